// Fuzzes the reader of the installed-programs list: any bytes must read without a crash, and the
// records read, written back, must read the same again (every field that holds no quote comes
// back unchanged through a rewrite).
#include "shell/programlistfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<ProgramListFile::Record> records = ProgramListFile::parse(text);

    for (const ProgramListFile::Record &record : records) {
        if (record.program.contains('"') || record.directory.contains('"'))
            return 0;
    }
    if (ProgramListFile::parse(ProgramListFile::format(records)) != records)
        std::abort();
    return 0;
}
