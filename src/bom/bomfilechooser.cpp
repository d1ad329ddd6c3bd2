#include "bom/bomfilechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

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
    // A name typed in double quotes (the dialogs' way of naming several files) may come back
    // from the platform's dialog bare, quotes and all, or without its folder: it names a file
    // in the folder the dialog showed, never one in the program's working folder.
    QString chosen = dialog.selectedFiles().first();
    const QFileInfo typed(chosen);
    QString name = typed.fileName();
    if (name.size() > 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        chosen = typed.path() + QLatin1Char('/') + name.mid(1, name.size() - 2);
    if (QFileInfo(chosen).isRelative())
        chosen = dialog.directory().absoluteFilePath(chosen);
    return QDir::cleanPath(chosen);
}
