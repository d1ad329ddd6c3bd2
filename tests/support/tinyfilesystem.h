#pragma once

#include <QString>
#include <QTemporaryDir>

// A real, tiny file system (tmpfs) mounted for a test, which it can fill to the last byte: the
// full disk as the system reports it, under every layer of the program. Mounting needs the
// right to (root in the test's namespace); where it is refused, mounted() is false and the
// test skips. Unmounted when the object goes.
class TinyFileSystem
{
    Q_DISABLE_COPY_MOVE(TinyFileSystem)

public:
    explicit TinyFileSystem(int kilobytes = 64);
    ~TinyFileSystem();

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Takes every free byte with a file of its own; true when the system said it was full.
    bool fill();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
