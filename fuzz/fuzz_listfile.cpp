// Fuzzes the reader of the installed-programs list and its update. For any bytes:
// - the lines, joined, are the text, each cut at CR LF, LF or a lone CR and nowhere else;
// - the records read are those of the lines, and written back they read the same again (every
//   field that holds no quote comes back unchanged through a rewrite);
// - the update keeps every line that is no record of this program byte for byte in its order
//   (only a last line without a line end gets one) and puts this program's record last, so that
//   the list read again holds the same records and this program's last.
#include "shell/programlistfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using ProgramListFile::Line;
using ProgramListFile::Record;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The line end a line's bytes close with: "", "\r", "\n" or "\r\n".
QByteArray lineEndOf(const QByteArray &bytes)
{
    if (bytes.endsWith("\r\n"))
        return "\r\n";
    if (!bytes.isEmpty() && isLineEnd(bytes.back()))
        return bytes.right(1);
    return {};
}

void checkLines(const QByteArray &text, const QList<Line> &lines)
{
    QByteArray joined;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &bytes = lines[i].bytes;
        const QByteArray end = lineEndOf(bytes);
        const QByteArray content = bytes.chopped(end.size());
        check(!bytes.isEmpty());
        check(!content.contains('\r') && !content.contains('\n'));
        // Only the last line may go without a line end; a lone CR is never the start of CR LF.
        check(!end.isEmpty() || i == lines.size() - 1);
        check(end != "\r" || i == lines.size() - 1 || !lines[i + 1].bytes.startsWith('\n'));
        joined += bytes;
    }
    check(joined == text);
}

void checkRecords(const QByteArray &text, const QList<Line> &lines)
{
    QList<Record> records;
    for (const Line &line : lines)
        if (line.record)
            records.append(*line.record);
    check(ProgramListFile::parse(text) == records);

    for (const Record &record : records)
        if (record.program.contains('"') || record.directory.contains('"'))
            return;
    check(ProgramListFile::parse(ProgramListFile::format(records)) == records);
}

void checkUpdate(const QByteArray &text, const QList<Line> &lines)
{
    const Record own{"morvex_calc.exe", "/opt/morvex/"};
    QByteArray kept;
    QList<Record> keptRecords;
    for (const Line &line : lines) {
        if (line.record && line.record->program == own.program)
            continue;
        kept += line.bytes;
        if (line.record)
            keptRecords.append(*line.record);
    }
    const bool lastLineEnded = kept.isEmpty() || isLineEnd(kept.back());

    const QByteArray updated = ProgramListFile::withRecordLast(text, own);
    check(updated == kept + (lastLineEnded ? "" : "\r\n") + ProgramListFile::format({own}));
    // Read again: the same records and ours last. A last line that had no line end may read
    // differently with one ("a," is cut off at the end of the text, an empty field before CR LF).
    const QList<Record> records = ProgramListFile::parse(updated);
    check(!records.isEmpty() && records.back() == own);
    if (lastLineEnded)
        check(records == keptRecords + QList<Record>{own});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<Line> lines = ProgramListFile::parseLines(text);
    checkLines(text, lines);
    checkRecords(text, lines);
    checkUpdate(text, lines);
    return 0;
}
