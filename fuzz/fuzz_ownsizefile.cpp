// libFuzzer target: the reader of the user's own-size files. Any text is read without a crash;
// every row taken has a cell for every column and meets the rule at its place; what is written
// of the rows reads back as the same rows, sound (a carriage return inside a field, which no line
// of the format can hold, comes back as a blank).

#include "ownsizes/ownsizefile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString table = QStringLiteral("Сетка плетеная");
    static const QStringList columns{QStringLiteral("Номер"), QStringLiteral("d"), QStringLiteral("Ширина"),
                                     QStringLiteral("Ромб"), QStringLiteral("Квадрат"), QStringLiteral("Ячейка"),
                                     QStringLiteral("Масса 1 м2")};
    static const SizeRule rule = SizeRule::forTable(table, columns);
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const int baseRows = 45; // own rows on both sides of the woven mesh's switch at 46/47
    const OwnSizeFile file = OwnSizeFile::parse(text, table, columns, rule, baseRows);
    if (file.damaged() != !file.badReason.isEmpty() || (!file.damaged() && file.badLine != 0))
        std::abort();
    for (qsizetype i = 0; i < file.rows.size(); ++i)
        if (file.rows.at(i).size() != columns.size() || rule.check(file.rows.at(i), baseRows + int(i)))
            std::abort();
    const OwnSizeFile back = OwnSizeFile::parse(file.text(table, columns), table, columns, rule, baseRows);
    QList<QStringList> expected = file.rows;
    for (QStringList &row : expected)
        for (QString &cell : row)
            cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (back.damaged() || back.rows != expected)
        std::abort();
    return 0;
}
