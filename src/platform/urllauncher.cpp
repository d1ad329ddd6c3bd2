#include "platform/urllauncher.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

QString cmdStartCommandLine(const QString &startDir, const QString &address)
{
    const QChar quote(QLatin1Char('"'));
    return QStringLiteral("cmd /q /c start /b /d") + quote + startDir + quote + QLatin1Char(' ')
           + quote + address + quote + QLatin1Char(' ') + quote + address + quote;
}

#ifdef Q_OS_WIN

void SystemUrlLauncher::open(const QString &startDir, const QString &address)
{
    // Started with the window style "minimized" and no console window; not waited for.
    std::wstring commandLine = cmdStartCommandLine(startDir, address).toStdWString();
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                       nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

#else

void SystemUrlLauncher::open(const QString &startDir, const QString &address)
{
    Q_UNUSED(startDir) // the desktop's opener needs no start directory
    QDesktopServices::openUrl(QUrl(address));
}

#endif
