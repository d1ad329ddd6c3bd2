#pragma once

#include <QString>

// Opening a web address in the system's default browser, without waiting for it and without a
// console window. An interface so that a test sees what would be opened and no browser starts.
class UrlLauncher
{
public:
    virtual ~UrlLauncher() = default;
    // startDir: the directory the opener starts in (the executable's directory).
    virtual void open(const QString &startDir, const QString &address) = 0;
};

// The real one: on Windows the command interpreter's "start" (see cmdStartCommandLine), started
// minimized; elsewhere QDesktopServices::openUrl.
class SystemUrlLauncher : public UrlLauncher
{
public:
    void open(const QString &startDir, const QString &address) override;
};

// The command line that makes the Windows command interpreter open address quietly, in startDir,
// without a console window of its own: cmd /q /c start /b /d "<dir>" "<address>" "<address>".
// "start" takes the first quoted text after the directory as the window title and the second as
// what to open.
QString cmdStartCommandLine(const QString &startDir, const QString &address);
