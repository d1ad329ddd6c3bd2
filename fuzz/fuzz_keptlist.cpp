// libFuzzer target: the kept materials list read and rewritten. For any bytes in the file:
// - every item that was read is written back: the rewritten file reads as the same items
//   (by their lines) with the one added after them, and nothing of it is left out;
// - when lines were not read, the message names a copy beside the file, and after the first
//   rewrite that copy holds the file's bytes as they were; when all were read, no copy is made.

#include "bom/bomcsv.h"
#include "bom/keptlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Two plain rows for every kind, numbers in every cell, so lines of many kinds can be found
// again without the reference base.
class FixedRows : public BomKindRows
{
public:
    const QList<QStringList> *rows(const Catalogue::Kind &) override { return &m_rows; }

private:
    QList<QStringList> m_rows{
        {"50", "5", "3.77", "7", "2.5", "4.8", "1", "1", "1", "1", "1", "1"},
        {"63", "6", "5.72", "7", "2.5", "7.28", "2", "2", "2", "2", "2", "2"},
    };
};

QStringList keys(const BillOfMaterials &list)
{
    QStringList read;
    for (int i = 0; i < list.count(); ++i)
        read.append(BomCsv::itemKey(list, i));
    read.sort();
    return read;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString scratchTemplate()
{
    const QString shared = QStringLiteral("/dev/shm");
    return (QFileInfo(shared).isDir() && QFileInfo(shared).isWritable() ? shared : QDir::tempPath())
           + QStringLiteral("/morvex-fuzz-XXXXXX");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where the system has a tmpfs for it: each run writes and syncs files.
    static QTemporaryDir dir(scratchTemplate());
    static FixedRows rows;
    static const BomItem added = [] {
        BillOfMaterials seed;
        KeptList none(dir.filePath(QStringLiteral("none.csv")));
        QFile file(dir.filePath(QStringLiteral("none.csv")));
        file.open(QIODevice::WriteOnly);
        file.write("1;Уголок равнобокий;ГОСТ 8509-93;50×5;6000;10;22,620;226,200\r\n");
        file.close();
        none.load(seed, rows);
        QFile::remove(file.fileName());
        check(seed.count() == 1);
        return seed.items().first();
    }();
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));

    const QString path = dir.filePath(QStringLiteral("specification.csv"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    KeptList kept(path);
    BillOfMaterials list;
    const KeptList::Outcome loaded = kept.load(list, rows);
    const auto readItems = list.items();
    const bool unread = !loaded.message.isEmpty();
    check(!unread || loaded.message.contains(QDir::toNativeSeparators(path + QStringLiteral(".bak"))));

    list.add(added);
    const KeptList::Outcome saved = kept.save(list, rows);
    check(saved.written && !saved.merged);
    check(QFile::exists(path + QStringLiteral(".bak")) == unread);
    if (unread)
        check(contents(path + QStringLiteral(".bak")) == bytes);

    BillOfMaterials again;
    check(KeptList(path).load(again, rows).message.isEmpty());
    BillOfMaterials expected;
    expected.load(list.items());
    check(keys(again) == keys(expected));
    // The list kept is the lines read and the one added, merged with a line the same as it
    // as the list merges them.
    BillOfMaterials withAdded;
    withAdded.load(readItems);
    withAdded.add(added);
    check(keys(again) == keys(withAdded));
    return 0;
}
