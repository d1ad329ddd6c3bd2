#include "platform/regularfile.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RegularFile {

#ifdef Q_OS_WIN

// Windows has no FIFOs or devices in the file system's namespace that a plain path reaches.
Contents read(const QString &path, qint64 maxSize)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {Status::NotRegular, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Status::CannotOpen, {}};
    if (file.size() > maxSize)
        return {Status::TooLarge, {}};
    QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize)
        return {Status::TooLarge, {}};
    if (file.error() != QFileDevice::NoError)
        return {Status::ReadFailed, {}};
    return {Status::Read, bytes};
}

#else

namespace {

// Closes the descriptor whichever way the reading ends.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

Contents read(const QString &path, qint64 maxSize)
{
    // O_NONBLOCK: opening a FIFO for reading returns at once; a regular file reads as ever.
    const Descriptor file{::open(QFile::encodeName(path).constData(),
                                 O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return {Status::CannotOpen, {}};
    struct stat status;
    if (::fstat(file.fd, &status) != 0)
        return {Status::ReadFailed, {}};
    if (!S_ISREG(status.st_mode))
        return {Status::NotRegular, {}};
    if (status.st_size > maxSize)
        return {Status::TooLarge, {}};

    // One byte more than allowed tells a file that grew since from one at the limit.
    QByteArray bytes(static_cast<qsizetype>(status.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxSize)
                return {Status::TooLarge, {}};
            bytes.resize(std::min<qint64>(maxSize + 1, bytes.size() * 2));
        }
        const ssize_t n = ::read(file.fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {Status::ReadFailed, {}};
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxSize)
        return {Status::TooLarge, {}};
    bytes.truncate(got);
    return {Status::Read, bytes};
}

#endif

} // namespace RegularFile
