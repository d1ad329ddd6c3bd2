#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QSaveFile;

// The one way the program writes a file of the user's (the own sizes, the kept materials list,
// every export): the new contents go into a temporary file beside the target, every write is
// checked, the file is flushed to the disk, and only then does it take the target's place in
// one rename. A write that fails at any step leaves the old file whole, removes the temporary
// one, and says why; success is never reported for a file that is not all there.
namespace SafeFile {

// Called once the new contents are whole in the temporary file, before it takes the target's
// place; a test fails the writing there.
using BeforeCommit = std::function<void(QSaveFile &)>;

// Writes bytes as the whole new contents of path (made if missing; its directory must exist).
// Empty on success; otherwise why not, in the program's words ("на диске нет места").
QString write(const QString &path, const QByteArray &bytes, const BeforeCommit &beforeCommit = {});

// For a writer that takes only a file name (the workbook library): produce writes the file at
// the temporary path it is given, beside path, and returns why it could not (empty when it
// could); its file then takes path's place as write() puts bytes there. maxSize bounds what is
// read back.
using Producer = std::function<QString(const QString &temporaryPath)>;
QString writeProduced(const QString &path, qint64 maxSize, const Producer &produce);

} // namespace SafeFile
