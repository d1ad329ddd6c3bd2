#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The file and printer choices of the list window. The real one asks through the system's
// dialogs; tests answer without a modal dialog.
class BomFileChooser
{
public:
    virtual ~BomFileChooser() = default;
    // A file to open; empty when the user gave none.
    virtual QString openFile(QWidget *parent) = 0;
    // A file to write, of the given filter ("Книга Excel (*.xlsx)") and suffix ("xlsx").
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &filter,
                             const QString &suffix) = 0;
    // Lets the user set the printer up; false when the printing was cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
};

class DialogFileChooser : public BomFileChooser
{
public:
    QString openFile(QWidget *parent) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &filter,
                     const QString &suffix) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
};
