#pragma once

#include <QString>

class UserMessages;
class ProgramExit;

// What the windows need from outside the program: where the executable lies, how to talk to
// the user and how to end at once. main() fills it with the real services, tests with fakes.
struct Environment
{
    QString executableDir;
    UserMessages *messages = nullptr;
    ProgramExit *exit = nullptr;
    QString databaseDriver = QStringLiteral("QSQLITE");
};
