#pragma once

#include <QByteArray>
#include <QString>

// Reading a small file that another program may have put in place of ours: only a regular file
// is read, and only up to a size. Opening never waits (a FIFO with no writer would hold the
// caller until one comes) and nothing is read before the file is known to be regular, so a
// FIFO, a device (a link to /dev/zero reads without end) or a directory is only looked at.
namespace RegularFile {

enum class Status {
    Read,       // a regular file of at most the size: its bytes
    CannotOpen, // missing, or not to be opened (no permission)
    NotRegular, // a FIFO, a device, a socket or a directory
    TooLarge,   // a regular file longer than the size
    ReadFailed, // opened, but its bytes could not all be read
};

struct Contents
{
    Status status = Status::CannotOpen;
    QByteArray bytes; // when Read
};

// The file at path (a link is followed) when it is a regular file of at most maxSize bytes.
Contents read(const QString &path, qint64 maxSize);

} // namespace RegularFile
