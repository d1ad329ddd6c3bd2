#include "bom/bomfilechooser.h"

#include <QFileDialog>

QString DialogFileChooser::openFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Открыть спецификацию"), QString(),
                                        QStringLiteral("Спецификация (*.csv)"));
}

QString DialogFileChooser::saveFile(QWidget *parent, const QString &caption, const QString &filter,
                                    const QString &suffix)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
