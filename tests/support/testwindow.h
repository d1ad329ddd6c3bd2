#pragma once

#include "fakeregistry.h"
#include "recordingexit.h"
#include "recordinglauncher.h"
#include "recordingmessages.h"
#include "platform/environment.h"

#include <QString>
#include <QTemporaryDir>

// The environment of a main window under test: recording fakes in place of the message boxes,
// the immediate end and the site link's opener, a program directory of the test's choosing (the
// build's own by default, where base.mdb and the drawings lie), and a registry in memory whose
// value names a temporary list directory (listDir); the file system's root, where the list lies
// when the registry names none, is a temporary directory too (rootDir), and so are the user's
// data directory (userData), which starts empty, and the user's home (home), empty too.
struct TestEnvironment
{
    RecordingMessages messages;
    RecordingExit exit;
    RecordingLauncher launcher;
    FakeRegistry registry;
    QTemporaryDir listDir;
    QTemporaryDir rootDir;
    QTemporaryDir userData;
    QTemporaryDir home;
    Environment environment;

    explicit TestEnvironment(const QString &executableDir = QStringLiteral(MORVEX_PROGRAM_DIR));
};
