#include "about/clipfile.h"

#include <QFile>

namespace ClipFile {

Check check(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Check::Unusable;
    const qint64 length = file.size();
    if (length < 0)
        return Check::Unusable;
    return length == AnimationFileLength ? Check::Accepted : Check::WrongLength;
}

} // namespace ClipFile
