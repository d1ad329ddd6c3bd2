#include "platform/backupname.h"

#include <QFileInfo>

namespace BackupName {

QString firstFree(const QString &path)
{
    QString name = path + QStringLiteral(".bak");
    for (int number = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++number)
        name = path + QStringLiteral(".%1.bak").arg(number);
    return name;
}

} // namespace BackupName
