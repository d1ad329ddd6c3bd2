#pragma once

#include <QString>
#include <QtGlobal>

// What tells a file apart from the same file changed: its identity on the disk (a file put in
// its place by a rename is another one), its size and its time of change to the nanosecond. Two
// stamps of a path that compare equal mean nobody has written it in between.
struct FileStamp
{
    bool exists = false; // a regular file (a link to one) stands there
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    bool operator==(const FileStamp &) const = default;

    static FileStamp of(const QString &path);
};
