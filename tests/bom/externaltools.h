#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>

// Programs of the system that read our files back the way other programs do: Python's csv
// module, unzip, the poppler tools.
namespace ExternalTools {

inline bool available(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// Runs a program and returns what it wrote; fails the test when it cannot run or ends badly.
inline QByteArray run(const QString &program, const QStringList &arguments, bool *ok = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    const bool fine = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok)
        *ok = fine;
    if (!fine)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return process.readAllStandardOutput();
}

} // namespace ExternalTools
