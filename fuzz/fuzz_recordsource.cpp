// libFuzzer target: the reader of record sources. Any text is either refused or read into a
// table name with sensible lists, and the query built from it quotes every name.

#include "catalogue/recordsource.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto source = RecordSource::parse(text);
    if (!source)
        return 0;
    if (source->table.isEmpty() || source->orderBy.size() > 2)
        std::abort();
    for (const QString &name : source->columns + source->orderBy)
        if (name.isEmpty())
            std::abort();
    const QString sql = source->toSqlite();
    if (!sql.startsWith(QStringLiteral("SELECT ")) || !sql.contains(quoteSqliteIdentifier(source->table)))
        std::abort();
    return 0;
}
