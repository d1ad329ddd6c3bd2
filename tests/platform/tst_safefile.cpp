// The program's one way of writing a user's file: whole or not at all, and never a success
// said for a file that is not all there. A full disk simulated under the writer, and a real
// one on a tiny tmpfs where the test may mount it.

#include "platform/safefile.h"
#include "platform/writefault.h"
#include "tinyfilesystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray OldText = "old contents, all of them\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Written whole, in place of the old file, with nothing left beside it.
    void writesTheWholeFile_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("a new file") << false;
        QTest::newRow("over an old one") << true;
    }
    void writesTheWholeFile()
    {
        QFETCH(bool, existing);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sizes.csv"));
        if (existing)
            put(path, OldText);
        const QByteArray text(100000, 'a');
        QCOMPARE(SafeFile::write(path, text), QString());
        QCOMPARE(contents(path), text);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sizes.csv"});
    }

    // The disk full before the first byte, in the middle, one byte short: the old file stays
    // whole (or no file comes), the reason is said, no temporary file is left.
    void aFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("existing");
        QTest::newRow("no room, over an old file") << qint64(0) << true;
        QTest::newRow("half the room, over an old file") << qint64(5000) << true;
        QTest::newRow("one byte short, over an old file") << qint64(9999) << true;
        QTest::newRow("half the room, a new file") << qint64(5000) << false;
    }
    void aFullDiskKeepsTheOldFile()
    {
        QFETCH(qint64, room);
        QFETCH(bool, existing);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.csv"));
        if (existing)
            put(path, OldText);
        {
            const WriteFault full(room);
            QCOMPARE(SafeFile::write(path, QByteArray(10000, 'b')), QStringLiteral("на диске нет места"));
        }
        QCOMPARE(contents(path), existing ? OldText : QByteArray("<missing>"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 existing ? QStringList{"list.csv"} : QStringList());
    }

    // Places no file can be written to, each told in the program's words.
    void placesThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a missing folder") << "missing/list.csv" << "папки %1 нет";
        QTest::newRow("a folder in the file's place") << "folder" << "на месте файла стоит папка";
    }
    void placesThatCannotBeWritten()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString path = dir.filePath(name);
        const QString expected = reason.contains(QStringLiteral("%1"))
                                     ? reason.arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("missing"))))
                                     : reason;
        QCOMPARE(SafeFile::write(path, "x"), expected);
        QCOMPARE(SafeFile::writeProduced(path, 100, [](const QString &) { return QString(); }), expected);
    }

    // A writer that takes a file name writes beside the target; its file takes the target's
    // place only when it says it is done and the copy is whole.
    void aProducedFile_data()
    {
        QTest::addColumn<QString>("producerSays");
        QTest::addColumn<qint64>("room");
        QTest::addColumn<QString>("reason");
        QTest::newRow("written") << QString() << qint64(-1) << QString();
        QTest::newRow("the producer fails") << "не могу" << qint64(-1) << "не могу";
        QTest::newRow("the disk fills on the copy") << QString() << qint64(10) << "на диске нет места";
    }
    void aProducedFile()
    {
        QFETCH(QString, producerSays);
        QFETCH(qint64, room);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.xlsx"));
        put(path, OldText);
        const QByteArray produced(3000, 'z');
        QString producedAt;
        const auto produce = [&](const QString &temporary) {
            producedAt = temporary;
            QFile file(temporary);
            if (!file.open(QIODevice::WriteOnly) || file.write(produced.left(1500)) != 1500)
                return QStringLiteral("test: cannot write");
            if (!producerSays.isEmpty())
                return producerSays;
            file.write(produced.mid(1500));
            return QString();
        };
        std::optional<WriteFault> full;
        if (room >= 0)
            full.emplace(room);
        QCOMPARE(SafeFile::writeProduced(path, 1 << 20, produce), reason);
        full.reset();
        QCOMPARE(QFileInfo(producedAt).absolutePath(), QFileInfo(path).absolutePath());
        QCOMPARE(contents(path), reason.isEmpty() ? produced : OldText);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"book.xlsx"});
    }

    // A real full file system: the system's "no space" reaches the caller, the old file stays.
    void aRealFullFileSystem()
    {
        TinyFileSystem disk;
        if (!disk.mounted())
            QSKIP("a tmpfs cannot be mounted here (it needs root in the test's namespace)");
        const QString path = disk.filePath(QStringLiteral("ugolok.csv"));
        put(path, OldText);
        QVERIFY(disk.fill());
        QCOMPARE(SafeFile::write(path, QByteArray(20000, 'c')), QStringLiteral("на диске нет места"));
        QCOMPARE(contents(path), OldText);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "ugolok.csv"}));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
