// libFuzzer target: the reader of the user's own-size files and the store's rewrite. Any text
// is read without a crash; every row taken has a cell for every column and meets the rule at its
// place; what is written of the rows reads back as the same rows, sound (a carriage return inside
// a field, which no line of the format can hold, comes back as a blank). Through the store, on
// disk: after the user's next change every row read is in the file, followed by the new one,
// and a file not read whole is kept byte for byte in the copy its message named; a sound file
// leaves no copy.

#include "ownsizes/ownsizefile.h"
#include "ownsizes/ownsizestore.h"
#include "platform/usermessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString scratchTemplate()
{
    const QString shared = QStringLiteral("/dev/shm");
    return (QFileInfo(shared).isDir() && QFileInfo(shared).isWritable() ? shared : QDir::tempPath())
           + QStringLiteral("/morvex-fuzz-XXXXXX");
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

class KeptMessages : public UserMessages
{
public:
    Answer show(const Message &message) override
    {
        texts.append(message.text);
        return Answer::Ok;
    }
    QStringList texts;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The store's rewrite of the file after one size is added.
void checkRewrite(const QByteArray &text, const QString &table, const QStringList &columns, int baseRows,
                  const OwnSizeFile &file)
{
    // In memory where the system has a tmpfs for it: each run writes and syncs files.
    static QTemporaryDir home(scratchTemplate());
    const QString sizes = home.filePath(QStringLiteral("sizes"));
    QDir(sizes).removeRecursively();
    check(QDir().mkpath(sizes));
    const QString path = sizes + QStringLiteral("/setka_pletenaya.csv");
    {
        QFile out(path);
        check(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
    }
    KeptMessages messages;
    OwnSizeStore store(home.path(), &messages);
    check(store.rows(table, columns, baseRows) == file.rows);
    check(messages.texts.size() == (file.damaged() ? 1 : 0));
    if (file.damaged())
        check(messages.texts.first().contains(QStringLiteral("«setka_pletenaya.csv.bak»")));
    // Every cell positive: the rule takes it on either side of the mesh's switch.
    const QStringList added(columns.size(), QStringLiteral("1"));
    check(store.add(table, added));
    check(QFile::exists(path + QStringLiteral(".bak")) == file.damaged());
    if (file.damaged())
        check(contents(path + QStringLiteral(".bak")) == text);
    const SizeRule rule = SizeRule::forTable(table, columns);
    const OwnSizeFile back = OwnSizeFile::parse(contents(path), table, columns, rule, baseRows);
    QList<QStringList> expected = store.ownRows(table);
    check(expected.size() == file.rows.size() + 1 && expected.last() == added);
    for (QStringList &row : expected)
        for (QString &cell : row)
            cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
    check(!back.damaged() && back.rows == expected);
}

} // namespace

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
    checkRewrite(text, table, columns, baseRows, file);
    return 0;
}
