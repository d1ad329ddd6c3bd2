#pragma once

#include "platform/filenamecase.h"
#include "platform/safefile.h"
#include "shell/mainstate.h"
#include "shell/programlistfile.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class Registry;
class UserMessages;

// Registration in the maker's shared list of installed programs: a registry value names the
// list's directory; at every start the program makes sure that its own record stands last in the
// list file there, keeping every other program's records. Nothing here stops the start-up.
namespace ProgramList {

inline constexpr char ExecutableName[] = "morvex_calc.exe";
inline constexpr char FileName[] = "morvex.dat";

// The largest list that is read: a list of every program the maker ever made takes a few
// kilobytes, and a larger file is no list of ours.
inline constexpr qint64 MaxListFileSize = 4 * 1024 * 1024;

// The title of the registry messages.
inline constexpr char MessageTitle[] = "Morvex Steel Mass Calculator 2.0";

// The registry location, kept only scrambled: shifted with ShiftText by -3, -3 and -1. The root
// key is HKEY_LOCAL_MACHINE, as the maker's installer writes the value for the whole machine.
inline constexpr char StoredRootKey[] = "EHBV\\IL@>I\\J>@EFKB";                            // 18
inline constexpr char StoredKeyPath[] = "Plcqt^obYJlosbuYPe^obaYFkpq^iibaMoldo^jpIfpq"; // 44
inline constexpr char StoredValueName[] = "KhrsEnkcdq";                                    // 10
inline constexpr int RootKeyShift = 3;
inline constexpr int KeyPathShift = 3;
inline constexpr int ValueNameShift = 1;

// The stored texts turned back into the location (the way the window does it at start).
struct Location
{
    QString rootKey;
    QString keyPath;
    QString valueName;
};
Location location();

// The predefined handle of a root-key name, compared exactly in the order HKEY_CLASSES_ROOT,
// HKEY_CURRENT_CONFIG, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS; none for any other text.
std::optional<std::uint32_t> rootKeyHandle(const QString &name);

// The list directory from the registry value: the value ending in a separator (one is added
// unless it ends in one); rootDir, the file system's root, when the value is empty.
QString listDirFrom(const QString &value, const QString &rootDir);

// Makes the list directory when it is missing and lies inside the user's home, every missing
// level with the owner's rights only (0700, as the XDG base directory convention asks of a
// user's data directories); a directory elsewhere is never made. True when the directory is
// there afterwards.
bool makeListDir(const QString &listDir, const QString &homeDir);

// The outcome of the list update, for the window's state and the tests.
struct Registration
{
    enum class Outcome {
        AlreadyListed, // our record stands in the list: the file is untouched
        Rewritten,
        NotWritten, // the new list could not be written: the old one is untouched
        LeftAlone,  // no regular file or too large: neither read nor written
    };

    QList<ProgramListFile::Record> recordsRead; // every complete record, in the file's order
    Outcome outcome = Outcome::NotWritten;
};

// Called after the new list has been written to its temporary file and before that file
// replaces the old list; a test uses it to fail the rewrite at that point.
using BeforeCommit = SafeFile::BeforeCommit;

// Makes sure the list file in listDir holds this program's record: unless a record of
// "morvex_calc.exe" with programDir (in native separators; the same under the file system's
// case rule: exactly, or ignoring case on Windows) is already there, the file is written anew
// with every line that is no record of "morvex_calc.exe" byte for byte in its place (other
// programs' records and lines that are no record alike) and this program's record last, its
// directory as FileNameCase::recorded gives it (lower-cased on Windows only). The new list goes to a temporary file in the same directory
// that replaces the old one only once complete, so a failure on the way leaves the old list
// whole. All the lines are kept, however many there are. A list that is no regular file (a
// FIFO, a device, a directory) or is longer than MaxListFileSize is neither read nor written.
Registration registerProgram(const QString &listDir, const QString &programDir,
                             const BeforeCommit &beforeCommit = {},
                             FileNameCase::Rule rule = FileNameCase::ofThisSystem());

// Writes the list's text to path through a temporary file and an atomic rename; false when the
// list could not be written (the old file is then untouched).
bool writeListFile(const QString &path, const QByteArray &text, const BeforeCommit &beforeCommit = {});

// The first rows of the records, decoded, as the window's state keeps them.
std::array<MainState::ListRecord, MainState::ListRows>
listRows(const QList<ProgramListFile::Record> &records);

} // namespace ProgramList

// A text of the same length whose every character has the code of the given one plus k.
QString ShiftText(const QString &text, int k);

// Reads a string value from the registry, showing "Error opening key.", "Error getting subkey
// length.", "Error getting subkey value." or "Error closing key." (plain boxes titled with the
// program's title) for the step that fails; empty when the value cannot be read.
QString ReadRegistryString(Registry &registry, UserMessages &messages, std::uint32_t rootKey,
                           const QString &keyPath, const QString &valueName);
