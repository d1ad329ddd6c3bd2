#include "shell/programlist.h"

#include "platform/filenamecase.h"
#include "platform/regularfile.h"
#include "platform/registry.h"
#include "platform/safefile.h"
#include "platform/usermessages.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using ProgramListFile::Record;

namespace ProgramList {

Location location()
{
    return {ShiftText(QString::fromLatin1(StoredRootKey), RootKeyShift),
            ShiftText(QString::fromLatin1(StoredKeyPath), KeyPathShift),
            ShiftText(QString::fromLatin1(StoredValueName), ValueNameShift)};
}

std::optional<std::uint32_t> rootKeyHandle(const QString &name)
{
    static const std::pair<const char *, std::uint32_t> table[] = {
        {"HKEY_CLASSES_ROOT", Registry::ClassesRoot},
        {"HKEY_CURRENT_CONFIG", Registry::CurrentConfig},
        {"HKEY_CURRENT_USER", Registry::CurrentUser},
        {"HKEY_LOCAL_MACHINE", Registry::LocalMachine},
        {"HKEY_USERS", Registry::Users},
    };
    for (const auto &[rootName, handle] : table) {
        if (name == QLatin1String(rootName))
            return handle;
    }
    return std::nullopt;
}

QString listDirFrom(const QString &value, const QString &rootDir)
{
    if (value.isEmpty())
        return rootDir;
    if (value.endsWith(QDir::separator()) || value.endsWith(QLatin1Char('/')))
        return value;
    return value + QDir::separator();
}

bool makeListDir(const QString &listDir, const QString &homeDir)
{
    const QString dir = QDir::cleanPath(QDir::fromNativeSeparators(listDir));
    const QString home = QDir::cleanPath(QDir::fromNativeSeparators(homeDir));
    if (QFileInfo(dir).isDir())
        return true;
    // Inside the home: below it, and the home a directory of its own, not the root.
    if (home.isEmpty() || QDir(home).isRoot() || !QDir::isAbsolutePath(home)
        || !dir.startsWith(home + QLatin1Char('/')) || !QFileInfo(home).isDir())
        return false;
    QString level = home;
    for (const QString &part : dir.mid(home.size() + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        level += QLatin1Char('/') + part;
        const QFileInfo info(level);
        if (info.isDir())
            continue;
        if (info.exists() || !QDir().mkdir(level, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return false;
    }
    return true;
}

bool writeListFile(const QString &path, const QByteArray &text, const BeforeCommit &beforeCommit)
{
    // Written as the user's files are: a write that fails at any step (a full disk that only a
    // flush would have shown included) leaves the old list whole.
    return SafeFile::write(path, text, beforeCommit).isEmpty();
}

Registration registerProgram(const QString &listDir, const QString &programDir,
                             const BeforeCommit &beforeCommit, FileNameCase::Rule rule)
{
    Registration registration;
    const QString path = listDir + QLatin1String(FileName);
    // A list that cannot be opened is made anew; one that is no regular file, is too large or
    // cannot be read to its end is no list to rewrite from.
    const RegularFile::Contents list = RegularFile::read(path, MaxListFileSize);
    if (list.status != RegularFile::Status::Read && list.status != RegularFile::Status::CannotOpen) {
        registration.outcome = Registration::Outcome::LeftAlone;
        return registration;
    }
    const QByteArray &text = list.bytes;
    registration.recordsRead = ProgramListFile::parse(text);

    const QByteArray program(ExecutableName);
    const QString directory = QDir::toNativeSeparators(programDir);
    const auto listed = [&](const Record &record) {
        return record.program == program
               && FileNameCase::same(ProgramListFile::decode(record.directory), directory, rule);
    };
    if (std::any_of(registration.recordsRead.cbegin(), registration.recordsRead.cend(), listed)) {
        registration.outcome = Registration::Outcome::AlreadyListed;
        return registration;
    }

    const QByteArray updated = ProgramListFile::withRecordLast(
        text, {program, ProgramListFile::encode(FileNameCase::recorded(directory, rule))});
    registration.outcome = writeListFile(path, updated, beforeCommit)
                               ? Registration::Outcome::Rewritten
                               : Registration::Outcome::NotWritten;
    return registration;
}

std::array<MainState::ListRecord, MainState::ListRows> listRows(const QList<Record> &records)
{
    std::array<MainState::ListRecord, MainState::ListRows> rows;
    const auto count = std::min<qsizetype>(records.size(), MainState::ListRows);
    for (qsizetype i = 0; i < count; ++i)
        rows[i] = {ProgramListFile::decode(records[i].program),
                   ProgramListFile::decode(records[i].directory)};
    return rows;
}

} // namespace ProgramList

QString ShiftText(const QString &text, int k)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text)
        result.append(QChar(static_cast<char16_t>(c.unicode() + k)));
    return result;
}

QString ReadRegistryString(Registry &registry, UserMessages &messages, std::uint32_t rootKey,
                           const QString &keyPath, const QString &valueName)
{
    const auto report = [&messages](const char *text) {
        messages.show({QString::fromLatin1(text), QString::fromUtf8(ProgramList::MessageTitle),
                       UserMessages::Icon::None, UserMessages::Buttons::Ok});
    };

    Registry::KeyHandle key = 0;
    if (registry.openKey(rootKey, ProgramListFile::encode(keyPath), Registry::QueryValue, key)
        != Registry::Success) {
        report("Error opening key.");
        return {};
    }

    const QByteArray name = ProgramListFile::encode(valueName);
    std::uint32_t size = 0;
    if (registry.queryValue(key, name, nullptr, size) != Registry::Success) {
        report("Error getting subkey length.");
        size = 0;
    }

    QString result;
    QByteArray buffer(static_cast<qsizetype>(size), ' ');
    if (registry.queryValue(key, name, buffer.data(), size) != Registry::Success)
        report("Error getting subkey value.");
    else if (size > 0)
        result = ProgramListFile::decode(buffer.left(std::min<qsizetype>(size - 1, buffer.size())));

    if (registry.closeKey(key) != Registry::Success)
        report("Error closing key.");
    return result;
}
