#pragma once

#include <QDir>
#include <QString>

class UserMessages;
class ProgramExit;
class Registry;
class UrlLauncher;

// What the windows need from outside the program: where the executable lies, how to talk to
// the user and how to end at once. main() fills it with the real services, tests with fakes.
struct Environment
{
    QString executableDir;
    UserMessages *messages = nullptr;
    ProgramExit *exit = nullptr;
    QString databaseDriver = QStringLiteral("QSQLITE");
    // The registry that names the installed-programs list's directory, and the opener of the
    // site link.
    Registry *registry = nullptr;
    UrlLauncher *launcher = nullptr;
    // Where the list lies when the registry names no directory: the root of the file system
    // (of the current drive on Windows).
    QString rootDir = QString(QDir::separator());
    // The user's own files (own sizes, the materials list): the user's data directory followed
    // by "morvex", without a trailing separator. Created only when a file is first saved.
    QString userDataDir;
    // The user's home: a missing list directory inside it is created, one elsewhere never.
    QString homeDir = QDir::homePath();
};
