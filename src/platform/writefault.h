#pragma once

#include <QtGlobal>

#include <optional>

// A full disk that tests put under the program's file writing (SafeFile): while one of these
// lives, a file written finds the disk full once `room` bytes of it have gone out, as a real
// full file system does, so every caller's handling of it can be seen without filling a disk.
class WriteFault
{
    Q_DISABLE_COPY_MOVE(WriteFault)

public:
    explicit WriteFault(qint64 room);
    ~WriteFault();

    // The room left for a file, when a fault is in place.
    static std::optional<qint64> room();
};
