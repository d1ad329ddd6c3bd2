#pragma once

#include <QString>

class QWidget;

// The file choices of the list window. The real one asks through the system's file dialogs;
// tests answer without a modal dialog. (The printer is chosen in the export plugin, see
// BomPrinterChooser.)
class BomFileChooser
{
public:
    virtual ~BomFileChooser() = default;
    // A file to open; empty when the user gave none.
    virtual QString openFile(QWidget *parent) = 0;
    // A file to write, of the given filter ("Книга Excel (*.xlsx)") and suffix ("xlsx").
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &filter,
                             const QString &suffix) = 0;
};

class DialogFileChooser : public BomFileChooser
{
public:
    QString openFile(QWidget *parent) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &filter,
                     const QString &suffix) override;
};
