#include "tinyfilesystem.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

TinyFileSystem::TinyFileSystem(int kilobytes)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
    m_mounted = m_dir.isValid()
                && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                           options.constData())
                       == 0;
}

TinyFileSystem::~TinyFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool TinyFileSystem::fill()
{
    const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    int error = 0;
    for (;;) {
        const ssize_t written = ::write(fd, block.constData(), size_t(block.size()));
        if (written < 0) {
            error = errno;
            break;
        }
    }
    ::close(fd);
    return error == ENOSPC;
}
