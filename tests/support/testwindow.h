#pragma once

#include "recordingexit.h"
#include "recordingmessages.h"
#include "shell/environment.h"

#include <QString>

// The environment of a main window under test: recording fakes in place of the message boxes
// and the immediate end, and a program directory of the test's choosing (the build's own by
// default, where base.mdb and the drawings lie).
struct TestEnvironment
{
    RecordingMessages messages;
    RecordingExit exit;
    Environment environment;

    explicit TestEnvironment(const QString &executableDir = QStringLiteral(MORVEX_PROGRAM_DIR));
};
