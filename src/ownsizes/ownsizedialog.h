#pragma once

#include "ownsizes/sizeentry.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;

// The dialog of one own size: a field for each column of the table, captioned with the
// column's name. "Сохранить" checks the typing; a row the rule refuses leaves the dialog open
// with the reason and the typing as it was, a row it takes is handed on by rowReady, and the
// taker closes the dialog once the row is saved.
class OwnSizeDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OwnSizeDialog)

public:
    OwnSizeDialog(SizeEntry entry, const QString &title, const QString &kindTitle, QWidget *parent);

    // The texts as typed, one for each field.
    QStringList typed() const;
    void save();

Q_SIGNALS:
    void rowReady(const QStringList &row);

private:
    SizeEntry m_entry;
    QList<QLineEdit *> m_fields;
    QLabel *m_message = nullptr;
};
