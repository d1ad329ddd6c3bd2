#include "platform/safefile.h"

#include "platform/regularfile.h"
#include "platform/writefault.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace SafeFile {

namespace {

// The system's reason in the program's words; the device's own (English) text where the
// system gave none the program knows.
QString reasonOf(int error, const QFileDevice &device)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("на диске нет места");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("исчерпана квота диска");
#endif
    case EACCES:
    case EPERM: return QStringLiteral("нет прав на запись");
    case EROFS: return QStringLiteral("диск доступен только для чтения");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("такой папки нет");
    case EISDIR: return QStringLiteral("на месте файла стоит папка");
    case ENAMETOOLONG: return QStringLiteral("слишком длинное имя файла");
    case EIO: return QStringLiteral("ошибка ввода-вывода диска");
    default: break;
    }
    return QStringLiteral("ошибка записи (%1)").arg(device.errorString());
}

// What makes the place unfit before anything is tried: a missing folder, a folder in the
// file's place. Said in words of its own, since the system names neither clearly.
QString placeProblem(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("на месте файла стоит папка");
    if (!QFileInfo(target.absolutePath()).isDir())
        return QStringLiteral("папки %1 нет").arg(QDir::toNativeSeparators(target.absolutePath()));
    return QString();
}

// Every byte written, or why not. Under a WriteFault the disk is full after its room.
QString writeAll(QSaveFile &file, const QByteArray &bytes)
{
    const std::optional<qint64> room = WriteFault::room();
    const qint64 allowed = room ? std::min<qint64>(*room, bytes.size()) : bytes.size();
    qint64 done = 0;
    while (done < allowed) {
        errno = 0;
        const qint64 written = file.write(bytes.constData() + done, allowed - done);
        if (written <= 0)
            return reasonOf(errno, file);
        done += written;
    }
    if (allowed < bytes.size())
        return reasonOf(ENOSPC, file);
    return QString();
}

// The bytes on the disk before the rename: a file system that keeps writes back (or a network
// one) reports a full disk only here. QSaveFile syncs too, but passes over a failure.
QString syncToDisk(QSaveFile &file)
{
#ifdef Q_OS_UNIX
    errno = 0;
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return reasonOf(errno, file);
#else
    Q_UNUSED(file);
#endif
    return QString();
}

} // namespace

QString write(const QString &path, const QByteArray &bytes, const BeforeCommit &beforeCommit)
{
    if (const QString why = placeProblem(path); !why.isEmpty())
        return why;
    QSaveFile file(path);
    errno = 0;
    // Unbuffered: each write reaches the system at once, so its failure is seen where it
    // happens and not lost in a flush at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return reasonOf(errno, file);
    // On any failure the QSaveFile goes without a commit: its temporary file is removed and
    // the target is left as it was.
    if (const QString why = writeAll(file, bytes); !why.isEmpty())
        return why;
    if (const QString why = syncToDisk(file); !why.isEmpty())
        return why;
    if (beforeCommit)
        beforeCommit(file);
    errno = 0;
    if (!file.commit())
        return reasonOf(errno, file);
    return QString();
}

QString writeProduced(const QString &path, qint64 maxSize, const Producer &produce)
{
    if (const QString why = placeProblem(path); !why.isEmpty())
        return why;
    const QFileInfo target(path);
    // Beside the target, so a full disk or a missing right shows here as it would there.
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                             + QStringLiteral(".XXXXXX"));
    errno = 0;
    if (!temporary.open())
        return reasonOf(errno, temporary);
    temporary.close();
    if (const QString why = produce(temporary.fileName()); !why.isEmpty())
        return why;
    const RegularFile::Contents produced = RegularFile::read(temporary.fileName(), maxSize);
    if (produced.status != RegularFile::Status::Read)
        return QStringLiteral("не могу прочитать записанный файл %1")
            .arg(QDir::toNativeSeparators(temporary.fileName()));
    return write(path, produced.bytes);
}

} // namespace SafeFile
