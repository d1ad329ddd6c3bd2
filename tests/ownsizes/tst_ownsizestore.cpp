// The store of own sizes on disk: where the files lie, when they are read and written, and
// what becomes of a file that cannot be read whole or cannot be written.

#include "ownsizes/ownsizestore.h"
#include "platform/writefault.h"
#include "ordinaryuser.h"
#include "recordingmessages.h"
#include "tinyfilesystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Table = QStringLiteral("z профиль");
const QStringList Columns{"h, мм", "b, мм", "a, мм", "s, мм", "Масса 1 м, кг", "Площадь сечения, см2"};
const QByteArray Header = "# table: z профиль\n\"h, мм\",\"b, мм\",\"a, мм\",\"s, мм\",\"Масса 1 м, кг\",\"Площадь сечения, см2\"\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void put(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

struct Store
{
    explicit Store(const QString &dataDir = QString())
        : dir(dataDir.isEmpty() ? home.filePath(QStringLiteral("morvex")) : dataDir)
    {
    }
    QTemporaryDir home;
    QString dir;
    RecordingMessages messages;
    OwnSizeStore store{dir, &messages};
    QString file() const { return dir + QStringLiteral("/sizes/z_profil.csv"); }
    QList<QStringList> read(int baseRows = 0) { return store.rows(Table, Columns, baseRows); }
};

} // namespace

class TestOwnSizeStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theFileIsNamedLikeTheTablesSource()
    {
        Store s;
        QCOMPARE(s.store.filePath(Table), s.file());
        QCOMPARE(s.store.filePath(QStringLiteral("таблица, которой нет")), QString());
        QCOMPARE(OwnSizeStore(QString(), &s.messages).filePath(Table), QString());
    }

    void theDirectoryComesWithTheFirstSize()
    {
        Store s;
        QVERIFY(s.read().isEmpty());
        QVERIFY(!QFileInfo::exists(s.home.filePath(QStringLiteral("morvex"))));
        QVERIFY(s.store.add(Table, {"200", "80", "", "3", "9.6", ""}));
        QCOMPARE(contents(s.file()), Header + "200,80,,3,9.6,\n");
        QVERIFY(s.messages.shown.isEmpty());

        // Another run of the program finds it.
        OwnSizeStore again(s.home.filePath(QStringLiteral("morvex")), &s.messages);
        QCOMPARE(again.rows(Table, Columns, 0), (QList<QStringList>{{"200", "80", "", "3", "9.6", ""}}));
    }

    void changesAreWrittenAtOnce()
    {
        Store s;
        s.read(4);
        QVERIFY(s.store.add(Table, {"100", "", "", "", "5.1", ""}));
        QVERIFY(s.store.add(Table, {"200", "", "", "", "9.6", ""}));
        QVERIFY(s.store.add(Table, {"300", "", "", "", "14", ""}));
        QVERIFY(s.store.replace(Table, 1, {"250", "", "", "", "12.0", "15"}));
        QVERIFY(s.store.remove(Table, 0));
        QCOMPARE(contents(s.file()), Header + "250,,,,12.0,15\n300,,,,14,\n");
        QCOMPARE(s.store.ownRows(Table).size(), 2);
        QCOMPARE(s.store.baseRows(Table), 4);
        QVERIFY(!s.store.replace(Table, 2, {"1", "", "", "", "1", ""}));
        QVERIFY(!s.store.remove(Table, -1));
        QCOMPARE(contents(s.file()), Header + "250,,,,12.0,15\n300,,,,14,\n");
    }

    void aChangeOnDiskIsReadAgain()
    {
        Store s;
        put(s.file(), Header + "100,,,,5.1,\n");
        QCOMPARE(s.read().size(), 1);
        put(s.file(), Header + "100,,,,5.1,\n200,,,,9.6,\n");
        QCOMPARE(s.read().size(), 2);
        QVERIFY(s.messages.shown.isEmpty());
    }

    // A file far larger than any list of sizes is not read into memory: it is told of as one
    // that could not be read, and kept as it is.
    void aFileTooLargeIsNotRead()
    {
        Store s;
        QByteArray huge = Header;
        const QByteArray row = "100,,,,5.1,\n";
        while (huge.size() <= OwnSizeStore::MaxFileSize)
            huge += row.repeated(64 * 1024);
        put(s.file(), huge);
        QVERIFY(s.read().isEmpty());
        QCOMPARE(s.messages.shown.size(), 1);
        QCOMPARE(QFileInfo(s.file()).size(), qint64(huge.size()));
    }

    // The file changed on disk after it was read (by hand, by another program, by the program
    // started twice): a change of the user's would be written over it, so nothing is written,
    // the file is read again and the user is told to repeat the change, which then keeps both.
    void aChangeOnDiskIsNotWrittenOver_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("add") << "add";
        QTest::newRow("replace") << "replace";
        QTest::newRow("remove") << "remove";
    }
    void aChangeOnDiskIsNotWrittenOver()
    {
        QFETCH(QString, change);
        Store s;
        put(s.file(), Header + "100,,,,5.1,\n");
        QCOMPARE(s.read().size(), 1);
        const QByteArray outside = Header + "100,,,,5.1,\n200,,,,9.6,\n";
        put(s.file(), outside);
        const QStringList row{"300", "", "", "", "14", ""};
        const auto apply = [&] {
            return change == "add"       ? s.store.add(Table, row)
                   : change == "replace" ? s.store.replace(Table, 0, row)
                                         : s.store.remove(Table, 0);
        };
        QVERIFY(!apply());
        QCOMPARE(contents(s.file()), outside);
        QCOMPARE(s.messages.shown.size(), 1);
        QVERIFY(s.messages.shown.first().text.contains(QStringLiteral("изменён")));
        QCOMPARE(s.store.ownRows(Table).size(), 2); // read again
        QVERIFY(apply());
        const QByteArray kept = change == "add"       ? outside + "300,,,,14,\n"
                                : change == "replace" ? Header + "300,,,,14,\n200,,,,9.6,\n"
                                                      : Header + "200,,,,9.6,\n";
        QCOMPARE(contents(s.file()), kept);
    }

    // Told once, read as far as it goes, left as it is until the table is changed, and then
    // kept beside the new file.
    void aDamagedFile()
    {
        Store s;
        const QByteArray damaged = Header + "100,,,,5.1,\n200,,,,около 10,\n300,,,,14,\n";
        put(s.file(), damaged);
        QCOMPARE(s.read(), (QList<QStringList>{{"100", "", "", "", "5.1", ""}, {"300", "", "", "", "14", ""}}));
        QCOMPARE(s.messages.shown.size(), 1);
        const UserMessages::Message told = s.messages.shown.first();
        QVERIFY2(told.text.contains(QDir::toNativeSeparators(s.file())), qPrintable(told.text));
        QVERIFY2(told.text.contains(QStringLiteral("строка 4: В поле «Масса 1 м, кг» должно стоять положительное число.")),
                 qPrintable(told.text));
        QVERIFY(told.text.contains(QStringLiteral("«z_profil.csv.bak»")));
        QCOMPARE(told.buttons, UserMessages::Buttons::Ok);

        // Shown again (another kind press): not told again, not rewritten.
        QCOMPARE(s.read().size(), 2);
        QCOMPARE(s.messages.shown.size(), 1);
        QCOMPARE(contents(s.file()), damaged);
        QVERIFY(!QFileInfo::exists(s.file() + QStringLiteral(".bak")));

        QVERIFY(s.store.add(Table, {"400", "", "", "", "18", ""}));
        QCOMPARE(contents(s.file() + QStringLiteral(".bak")), damaged);
        QCOMPARE(contents(s.file()), Header + "100,,,,5.1,\n300,,,,14,\n400,,,,18,\n");
        // Sound now: a further change keeps the first copy as it was.
        QVERIFY(s.store.remove(Table, 0));
        QCOMPARE(contents(s.file() + QStringLiteral(".bak")), damaged);
        QCOMPARE(s.messages.shown.size(), 1);
    }

    void aFileDamagedAgainIsToldAgain()
    {
        Store s;
        put(s.file(), Header + "1,2\n");
        s.read();
        put(s.file(), Header + "100,,,,5.1,\n\n");
        s.read();
        QCOMPARE(s.messages.shown.size(), 2);
        QVERIFY(s.messages.shown.last().text.contains(QStringLiteral("строка 4: Пустая строка.")));
    }

    void theBaseGrowingChangesThePlaces()
    {
        Store s;
        put(s.file(), Header + "100,,,,5.1,\n");
        QCOMPARE(s.read(0).size(), 1);
        QCOMPARE(s.read(17).size(), 1);
        QCOMPARE(s.store.baseRows(Table), 17);
    }

    // Nothing may be lost when a file cannot be written: neither the old file nor the rows the
    // program holds.
    void aFailedWrite_data()
    {
        QTest::addColumn<QString>("blocked");   // what a directory stands in the way of
        QTest::addColumn<QByteArray>("before"); // the file as it was
        QTest::newRow("the file") << "file" << QByteArray();
        QTest::newRow("the directory") << "directory" << QByteArray();
    }
    void aFailedWrite()
    {
        QFETCH(QString, blocked);
        QFETCH(QByteArray, before);
        Store s;
        if (!before.isEmpty())
            put(s.file(), before);
        const QList<QStringList> held = s.read();
        s.messages.shown.clear();
        if (blocked == QStringLiteral("file"))
            QVERIFY(QDir().mkpath(s.file()));
        else
            put(s.home.filePath(QStringLiteral("morvex/sizes")), "a file where the directory goes");

        QVERIFY(!s.store.add(Table, {"400", "", "", "", "18", ""}));
        QCOMPARE(s.messages.shown.size(), 1);
        QCOMPARE(s.messages.shown.first().icon, UserMessages::Icon::Critical);
        QVERIFY(s.messages.shown.first().text.startsWith(QStringLiteral("Не могу записать «")));
        QCOMPARE(s.store.ownRows(Table), held);
        if (!before.isEmpty())
            QCOMPARE(contents(s.file()), before);
    }

    // A full disk, simulated under the writer and real on a tiny tmpfs: the old file stays
    // whole, the rows held stay, the user is told the change was not kept, and a restart finds
    // the sizes as they were.
    void aFullDiskKeepsTheFile_data()
    {
        QTest::addColumn<bool>("real");
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("simulated, a sound file") << false << Header + "100,,,,5.1,\n";
        QTest::newRow("simulated, a damaged file") << false << Header + "1,2\n100,,,,5.1,\n";
        QTest::newRow("a full tmpfs, a sound file") << true << Header + "100,,,,5.1,\n";
    }
    void aFullDiskKeepsTheFile()
    {
        QFETCH(bool, real);
        QFETCH(QByteArray, before);
        TinyFileSystem disk;
        if (real && !disk.mounted())
            QSKIP("a tmpfs cannot be mounted here (it needs root in the test's namespace)");
        Store s(real ? disk.filePath(QStringLiteral("morvex")) : QString());
        put(s.file(), before);
        const QList<QStringList> held = s.read();
        s.messages.shown.clear();
        std::optional<WriteFault> full;
        if (real)
            QVERIFY(disk.fill());
        else
            full.emplace(5);
        QVERIFY(!s.store.add(Table, QStringList{"400", "", "", "", "18", ""}));
        full.reset();
        QCOMPARE(contents(s.file()), before);
        QCOMPARE(s.store.ownRows(Table), held);
        QCOMPARE(s.messages.shown.size(), 1);
        const QString told = s.messages.shown.first().text;
        QVERIFY2(told.contains(QStringLiteral("на диске нет места")) && told.contains(QStringLiteral("Изменение не сохранено")),
                 qPrintable(told));
        OwnSizeStore again(s.dir, &s.messages);
        QCOMPARE(again.rows(Table, Columns, 0), held);
    }

    // Each damaged original is kept in a copy of its own: a file damaged again after its first
    // copy leaves the first as it was and gets the next number; whatever already stands at a
    // copy's name (here a folder) is passed over, never replaced.
    void aFileDamagedTwiceKeepsBothOriginals()
    {
        Store s;
        const QByteArray first = Header + "100,,,,5.1,\nпервая порча\n";
        const QByteArray second = Header + "200,,,,9.6,\nвторая порча\n";
        put(s.file(), first);
        s.read();
        QVERIFY(s.store.add(Table, {"300", "", "", "", "14", ""}));
        put(s.file(), second);
        QVERIFY(QDir().mkpath(s.file() + QStringLiteral(".2.bak")));
        s.read();
        QCOMPARE(s.messages.shown.size(), 2);
        QVERIFY2(s.messages.shown.last().text.contains(QStringLiteral("«z_profil.csv.3.bak»")),
                 qPrintable(s.messages.shown.last().text));
        QVERIFY(s.store.add(Table, {"400", "", "", "", "18", ""}));
        QCOMPARE(contents(s.file() + QStringLiteral(".bak")), first);
        QCOMPARE(contents(s.file() + QStringLiteral(".3.bak")), second);
        QVERIFY(QFileInfo(s.file() + QStringLiteral(".2.bak")).isDir());
        QCOMPARE(contents(s.file()), Header + "200,,,,9.6,\n400,,,,18,\n");
    }

    // Bytes that are no UTF-8 (a file saved in cp1251) are damage: told with their line, the
    // line left out rather than read with replacement marks, and the file kept before the
    // first rewrite.
    void bytesThatAreNoUtf8AreDamage()
    {
        Store s;
        const QByteArray damaged = Header + "100,,,,5.1,\n\xcf\xf0\xee\xf4\xe8\xeb\xfc,,,,9.6,\n";
        put(s.file(), damaged);
        QCOMPARE(s.read(), (QList<QStringList>{{"100", "", "", "", "5.1", ""}}));
        QCOMPARE(s.messages.shown.size(), 1);
        QVERIFY2(s.messages.shown.first().text.contains(QStringLiteral("строка 4: Знаки не в кодировке UTF-8")),
                 qPrintable(s.messages.shown.first().text));
        QVERIFY(s.store.add(Table, {"300", "", "", "", "14", ""}));
        QCOMPARE(contents(s.file() + QStringLiteral(".bak")), damaged);
        QVERIFY(!contents(s.file()).contains("\xef\xbf\xbd"));
    }

    // A damaged file that cannot be read again for its copy (no right to read it, too large)
    // is not written over, and the message says reading failed, not writing.
    void aFileThatCannotBeReadIsNotWrittenOver_data()
    {
        QTest::addColumn<QString>("why");
        QTest::newRow("no right to read") << "mode 000";
        QTest::newRow("too large") << "too large";
    }
    void aFileThatCannotBeReadIsNotWrittenOver()
    {
        QFETCH(QString, why);
        Store s;
        // Reachable by the ordinary user the test acts as.
        QVERIFY(QFile::setPermissions(s.home.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                         | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                         | QFileDevice::ExeOther));
        QByteArray before = Header + "100,,,,5.1,\n";
        if (why == QStringLiteral("too large"))
            while (before.size() <= OwnSizeStore::MaxFileSize)
                before += QByteArray("100,,,,5.1,\n").repeated(64 * 1024);
        put(s.file(), before);
        if (why == QStringLiteral("mode 000"))
            QVERIFY(QFile::setPermissions(s.file(), QFileDevice::Permissions()));
        {
            const OrdinaryUser user;
            s.read();
            QCOMPARE(s.messages.shown.size(), 1);
            QVERIFY2(s.messages.shown.first().text.contains(QStringLiteral("Файл не будет перезаписан")),
                     qPrintable(s.messages.shown.first().text));
            s.messages.shown.clear();
            QVERIFY(!s.store.add(Table, {"300", "", "", "", "14", ""}));
        }
        QFile::setPermissions(s.file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(s.messages.shown.size(), 1);
        QVERIFY2(s.messages.shown.first().text.startsWith(
                     QStringLiteral("Не могу прочитать «%1»").arg(QDir::toNativeSeparators(s.file()))),
                 qPrintable(s.messages.shown.first().text));
        QCOMPARE(QFileInfo(s.file()).size(), qint64(before.size()));
        QVERIFY(!QFileInfo::exists(s.file() + QStringLiteral(".bak")));
    }
};

QTEST_APPLESS_MAIN(TestOwnSizeStore)
#include "tst_ownsizestore.moc"
