#include "platform/registryini.h"
#include "platform/writefault.h"
#include "shell/form1.h"
#include "shell/programlist.h"
#include "testwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

using namespace Qt::StringLiterals;
using ProgramListFile::Record;
using Outcome = ProgramList::Registration::Outcome;

namespace {

using Records = QList<Record>;

const QByteArray Own = "morvex_calc.exe";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// n records of other programs, "prog<i>.exe","c:\progs\<i>\", each a line.
QByteArray otherPrograms(int first, int count)
{
    QByteArray text;
    for (int i = first; i < first + count; ++i)
        text += "\"prog" + QByteArray::number(i) + ".exe\",\"c:\\progs\\" + QByteArray::number(i)
                + "\\\"\r\n";
    return text;
}

// Runs the registration on a thread of its own, so that a read blocked on a FIFO fails the test
// instead of hanging it: when the registration has not returned after a while, a writer opens
// the FIFO, which lets the blocked reader go on.
struct GuardedRegistration
{
    ProgramList::Registration result;
    bool blocked = false;
};

GuardedRegistration registerGuarded(const QString &listDir, const QString &fifo)
{
    std::promise<ProgramList::Registration> promise;
    std::future<ProgramList::Registration> done = promise.get_future();
    std::thread worker([&] { promise.set_value(ProgramList::registerProgram(listDir, QStringLiteral("/opt/morvex/"))); });
    GuardedRegistration run;
    while (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        run.blocked = true;
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
    }
    worker.join();
    run.result = done.get();
    return run;
}

} // namespace

Q_DECLARE_METATYPE(Record)

class TestProgramList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shiftText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("shifted");
        QTest::newRow("abc by 3") << u"abc"_s << 3 << u"def"_s;
        QTest::newRow("abc by 1") << u"abc"_s << 1 << u"bcd"_s;
        QTest::newRow("backwards") << u"def"_s << -3 << u"abc"_s;
        QTest::newRow("empty") << u""_s << 3 << u""_s;
        QTest::newRow("backslash and underscore") << u"Y\\"_s << 3 << u"\\_"_s;
    }
    void shiftText()
    {
        QFETCH(QString, text);
        QFETCH(int, k);
        QFETCH(QString, shifted);
        QCOMPARE(ShiftText(text, k), shifted);
    }

    void storedLocationHasTheKnownShape()
    {
        QCOMPARE(qstrlen(ProgramList::StoredRootKey), 18u);
        QCOMPARE(qstrlen(ProgramList::StoredKeyPath), 44u);
        QCOMPARE(qstrlen(ProgramList::StoredValueName), 10u);
        const ProgramList::Location location = ProgramList::location();
        QCOMPARE(ProgramList::rootKeyHandle(location.rootKey),
                 std::optional<std::uint32_t>(0x80000002u));
        QVERIFY(!location.keyPath.isEmpty() && !location.valueName.isEmpty());
    }

    void rootKeyHandle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("handle"); // -1: none
        QTest::newRow("classes root") << u"HKEY_CLASSES_ROOT"_s << qint64(0x80000000);
        QTest::newRow("current config") << u"HKEY_CURRENT_CONFIG"_s << qint64(0x80000005);
        QTest::newRow("current user") << u"HKEY_CURRENT_USER"_s << qint64(0x80000001);
        QTest::newRow("local machine") << u"HKEY_LOCAL_MACHINE"_s << qint64(0x80000002);
        QTest::newRow("users") << u"HKEY_USERS"_s << qint64(0x80000003);
        QTest::newRow("lower case") << u"hkey_local_machine"_s << qint64(-1);
        QTest::newRow("trailing blank") << u"HKEY_USERS "_s << qint64(-1);
        QTest::newRow("abbreviation") << u"HKLM"_s << qint64(-1);
        QTest::newRow("still scrambled") << QString::fromLatin1(ProgramList::StoredRootKey) << qint64(-1);
    }
    void rootKeyHandle()
    {
        QFETCH(QString, name);
        QFETCH(qint64, handle);
        const auto found = ProgramList::rootKeyHandle(name);
        QCOMPARE(found.has_value(), handle >= 0);
        if (found)
            QCOMPARE(qint64(*found), handle);
    }

    void listDirFrom_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("listDir");
        QTest::newRow("separator added") << u"/srv/lists"_s << u"/srv/lists/"_s;
        QTest::newRow("separator kept") << u"/srv/lists/"_s << u"/srv/lists/"_s;
        QTest::newRow("nothing found: the root") << u""_s << u"/fsroot/"_s;
    }
    void listDirFrom()
    {
        QFETCH(QString, value);
        QFETCH(QString, listDir);
        QCOMPARE(ProgramList::listDirFrom(value, QStringLiteral("/fsroot/")), listDir);
    }

    // ---- the list file's format --------------------------------------------------------------

    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Records>("records");
        QTest::newRow("two records")
            << QByteArray("\"a.exe\",\"c:\\a\\\"\r\n\"b.exe\",\"d:\\b\\\"\r\n")
            << Records{{"a.exe", "c:\\a\\"}, {"b.exe", "d:\\b\\"}};
        QTest::newRow("line feeds only")
            << QByteArray("\"a.exe\",\"/a/\"\n\"b.exe\",\"/b/\"\n")
            << Records{{"a.exe", "/a/"}, {"b.exe", "/b/"}};
        QTest::newRow("last line without line end")
            << QByteArray("\"a.exe\",\"/a/\"") << Records{{"a.exe", "/a/"}};
        QTest::newRow("comma inside quotes") << QByteArray("\"a,b.exe\",\"/x,y/\"\r\n")
                                             << Records{{"a,b.exe", "/x,y/"}};
        QTest::newRow("unquoted fields without their blanks")
            << QByteArray("  a.exe , c:\\a b\\  \r\n") << Records{{"a.exe", "c:\\a b\\"}};
        QTest::newRow("empty lines between records")
            << QByteArray("\"a.exe\",\"/a/\"\r\n\r\n\r\n\"b.exe\",\"/b/\"\r\n")
            << Records{{"a.exe", "/a/"}, {"b.exe", "/b/"}};
        QTest::newRow("empty fields") << QByteArray("\"\",\r\n,\"\"\r\n")
                                      << Records{{"", ""}, {"", ""}};
        QTest::newRow("file cut off after a comma: the broken record not counted")
            << QByteArray("\"a.exe\",\"/a/\"\r\n\"b.exe\",") << Records{{"a.exe", "/a/"}};
        QTest::newRow("only blanks after the last comma: the broken record not counted")
            << QByteArray("\"a.exe\",\"/a/\"\r\n\"b.exe\",  ") << Records{{"a.exe", "/a/"}};
        QTest::newRow("text after a closing quote passed over")
            << QByteArray("\"a.exe\"xyz,\"/a/\" junk\r\n") << Records{{"a.exe", "/a/"}};
        QTest::newRow("quote inside an unquoted field kept") << QByteArray("a\"b,c\r\n")
                                                             << Records{{"a\"b", "c"}};
        // A record is one line: fields never run across lines.
        QTest::newRow("one field a line is no record")
            << QByteArray("\"a.exe\"\r\n\"/a/\"\r\n") << Records{};
        QTest::newRow("broken last line not counted")
            << QByteArray("\"a.exe\",\"/a/\"\r\n\"b.exe\"\r\n") << Records{{"a.exe", "/a/"}};
        QTest::newRow("a quote left open spoils only its own line")
            << QByteArray("\"a.exe\",\"/a/\"\r\n\"b.exe\",\"/b/\r\n\"c.exe\",\"/c/\"\r\n")
            << Records{{"a.exe", "/a/"}, {"c.exe", "/c/"}};
        QTest::newRow("a line of one field between records")
            << QByteArray("\"a.exe\",\"/opt/a\"\r\nlonely\r\n\"b.exe\",\"/opt/b\"\r\n\"c.exe\",\"/opt/c\"\r\n")
            << Records{{"a.exe", "/opt/a"}, {"b.exe", "/opt/b"}, {"c.exe", "/opt/c"}};
        QTest::newRow("a line of three fields is no record")
            << QByteArray("\"a.exe\",\"/a/\",\"x\"\r\n\"b.exe\",\"/b/\"\r\n") << Records{{"b.exe", "/b/"}};
        QTest::newRow("a trailing comma makes a third field")
            << QByteArray("a.exe,/a/,\r\nb.exe,/b/\r\n") << Records{{"b.exe", "/b/"}};
        QTest::newRow("a quote left open in the first field")
            << QByteArray("\"a.exe,/a/\r\nb.exe,/b/\n") << Records{{"b.exe", "/b/"}};
        QTest::newRow("lone carriage returns end lines")
            << QByteArray("a.exe,/a/\rb.exe,/b/\r") << Records{{"a.exe", "/a/"}, {"b.exe", "/b/"}};
        QTest::newRow("unterminated quote in the last record")
            << QByteArray("\"a.exe\",\"/a/\"\r\n\"b.exe\",\"/b/\r\n") << Records{{"a.exe", "/a/"}};
        QTest::newRow("empty text") << QByteArray() << Records{};
        QTest::newRow("only line ends") << QByteArray("\r\n\n\r") << Records{};
        QTest::newRow("binary bytes")
            << QByteArray("\x00\x01\xff,\x80\"\x00\"\r\n", 10)
            << Records{{QByteArray("\x00\x01\xff", 3), QByteArray("\x80\"\x00\"", 4)}};
        QTest::newRow("binary bytes split by a lone carriage return")
            << QByteArray("\x00\x00\xfe\xff\x01\x02\x03\r\x00", 9) << Records{};
    }
    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(Records, records);
        QCOMPARE(ProgramListFile::parse(text), records);
    }

    // The lines as they stand in the file, line ends included, and which of them hold a record
    // ('R') and which not ('-').
    void parseLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QString>("records");
        QTest::newRow("mixed line ends") << QByteArray("a,b\r\nc,d\ne,f\rg,h")
                                         << QList<QByteArray>{"a,b\r\n", "c,d\n", "e,f\r", "g,h"}
                                         << u"RRRR"_s;
        QTest::newRow("empty lines are lines") << QByteArray("\r\n\n\ra,b\r\n")
                                               << QList<QByteArray>{"\r\n", "\n", "\r", "a,b\r\n"}
                                               << u"---R"_s;
        QTest::newRow("a CR before CR LF ends its own line")
            << QByteArray("a,b\r\r\n") << QList<QByteArray>{"a,b\r", "\r\n"} << u"R-"_s;
        QTest::newRow("one field, three fields, an open quote")
            << QByteArray("lonely\r\na,b,c\r\n\"d,e\r\n\"f\",\"g\"")
            << QList<QByteArray>{"lonely\r\n", "a,b,c\r\n", "\"d,e\r\n", "\"f\",\"g\""} << u"---R"_s;
        QTest::newRow("second field cut off by the end of the text")
            << QByteArray("a,\r\nb,") << QList<QByteArray>{"a,\r\n", "b,"} << u"R-"_s;
        QTest::newRow("nothing") << QByteArray() << QList<QByteArray>{} << u""_s;
    }
    void parseLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QString, records);
        const QList<ProgramListFile::Line> read = ProgramListFile::parseLines(text);
        QList<QByteArray> bytes;
        QString kinds;
        for (const ProgramListFile::Line &line : read) {
            bytes.append(line.bytes);
            kinds.append(line.record ? QLatin1Char('R') : QLatin1Char('-'));
        }
        QCOMPARE(bytes, lines);
        QCOMPARE(kinds, records);
    }

    void format()
    {
        QCOMPARE(ProgramListFile::format({{"a.exe", "c:\\a b\\"}, {"morvex_calc.exe", "/opt/m/"}}),
                 QByteArray("\"a.exe\",\"c:\\a b\\\"\r\n\"morvex_calc.exe\",\"/opt/m/\"\r\n"));
        QCOMPARE(ProgramListFile::format({}), QByteArray());
    }

    // ---- the update of the list file ----------------------------------------------------------

    void registration_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("recordsRead");
        QTest::addColumn<QByteArray>("after");

        const QByteArray others = "\"calc.exe\",\"c:\\morvex\\calc\\\"\r\n"
                                  "\"Beams.exe\",\"D:\\Morvex Beams\\\"\r\n";
        QTest::newRow("no file") << false << QByteArray() << u"/opt/morvex/"_s
                                 << int(Outcome::Rewritten) << 0
                                 << QByteArray("\"morvex_calc.exe\",\"/opt/morvex/\"\r\n");
        QTest::newRow("other programs only: kept in order, own record last")
            << true << others << u"/opt/morvex/"_s << int(Outcome::Rewritten) << 2
            << others + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        QTest::newRow("own record with the same case: untouched")
            << true << "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n" + others << u"/opt/morvex/"_s
            << int(Outcome::AlreadyListed) << 3
            << "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n" + others;
        QTest::newRow("own record in capitals: matched exactly, untouched")
            << true << others + "\"morvex_calc.exe\",\"/opt/Morvex/\"\r\n" << u"/opt/Morvex/"_s
            << int(Outcome::AlreadyListed) << 3
            << others + "\"morvex_calc.exe\",\"/opt/Morvex/\"\r\n";
        // Case tells directories apart here: the directory is recorded as it is.
        QTest::newRow("own record in lower case, directory in capitals: rewritten as it is")
            << true << others + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n" << u"/opt/Morvex/"_s
            << int(Outcome::Rewritten) << 3
            << others + "\"morvex_calc.exe\",\"/opt/Morvex/\"\r\n";
        QTest::newRow("own record with another directory moves last")
            << true << "\"morvex_calc.exe\",\"/old/place/\"\r\n" + others << u"/opt/morvex/"_s
            << int(Outcome::Rewritten) << 3
            << others + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        QTest::newRow("several own records become one")
            << true
            << QByteArray("\"morvex_calc.exe\",\"/a/\"\r\n\"calc.exe\",\"c:\\m\\\"\r\n"
                          "\"morvex_calc.exe\",\"/b/\"\r\n\"morvex_calc.exe\",\"/c/\"\r\n")
            << u"/opt/morvex/"_s << int(Outcome::Rewritten) << 4
            << QByteArray("\"calc.exe\",\"c:\\m\\\"\r\n\"morvex_calc.exe\",\"/opt/morvex/\"\r\n");
        QTest::newRow("a record of another name like ours is another program's")
            << true << QByteArray("\"MORVEX_CALC.EXE\",\"/opt/morvex/\"\r\n") << u"/opt/morvex/"_s
            << int(Outcome::Rewritten) << 1
            << QByteArray("\"MORVEX_CALC.EXE\",\"/opt/morvex/\"\r\n"
                          "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n");
        QTest::newRow("empty file") << true << QByteArray() << u"/opt/morvex/"_s
                                    << int(Outcome::Rewritten) << 0
                                    << QByteArray("\"morvex_calc.exe\",\"/opt/morvex/\"\r\n");
        QTest::newRow("broken last line kept")
            << true << others + "\"half.exe\"\r\n" << u"/opt/morvex/"_s << int(Outcome::Rewritten)
            << 2 << others + "\"half.exe\"\r\n\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        QTest::newRow("broken last line after our own record: untouched")
            << true << QByteArray("\"morvex_calc.exe\",\"/opt/morvex/\"\r\n\"half.exe\"\r\n")
            << u"/opt/morvex/"_s << int(Outcome::AlreadyListed) << 1
            << QByteArray("\"morvex_calc.exe\",\"/opt/morvex/\"\r\n\"half.exe\"\r\n");
        // Other programs' records stand as they were written; a last line without a line end
        // gets one before our record.
        QTest::newRow("unquoted and LF-only records kept as they are")
            << true << QByteArray("calc.exe, c:\\m\\\nbeams.exe,d:\\b\\") << u"/opt/morvex/"_s
            << int(Outcome::Rewritten) << 2
            << QByteArray("calc.exe, c:\\m\\\nbeams.exe,d:\\b\\\r\n"
                          "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n");
        QTest::newRow("another code page's bytes come back unchanged")
            << true << QByteArray("\"\xd1\xf2\xe0\xeb\xfc.exe\",\"c:\\\xcf\xf0\xee\xe3\xf0\\\"\r\n")
            << u"/opt/morvex/"_s << int(Outcome::Rewritten) << 1
            << QByteArray("\"\xd1\xf2\xe0\xeb\xfc.exe\",\"c:\\\xcf\xf0\xee\xe3\xf0\\\"\r\n"
                          "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n");
        QTest::newRow("directory in Cyrillic capitals recorded as it is")
            << false << QByteArray() << u"/opt/Сталь/"_s << int(Outcome::Rewritten) << 0
            << QByteArray("\"morvex_calc.exe\",\"/opt/Сталь/\"\r\n");
        // Two lines of one unquoted field each, split by a lone CR: no record, both kept.
        QTest::newRow("binary bytes")
            << true << QByteArray("\x00\x00\xfe\xff\x01\x02\x03\r\x00", 9) << u"/opt/morvex/"_s
            << int(Outcome::Rewritten) << 0
            << QByteArray("\x00\x00\xfe\xff\x01\x02\x03\r\x00\r\n", 11)
                   + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        QTest::newRow("an unterminated quote keeps its line and the records after it")
            << true << "\"lost.exe\",\"/never closed\r\n" + others << u"/opt/morvex/"_s
            << int(Outcome::Rewritten) << 2
            << "\"lost.exe\",\"/never closed\r\n" + others + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        // The lines that are no record of two fields stay where they stood, byte for byte.
        const QByteArray damaged = "\"a.exe\",\"/opt/a\"\r\nlonely\r\n\"b.exe\",\"/opt/b\"\r\n"
                                   "\"c.exe\",\"/opt/c\"\r\n";
        QTest::newRow("a line of one field between records")
            << true << damaged << u"/opt/morvex/"_s << int(Outcome::Rewritten) << 3
            << damaged + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        const QByteArray odd = "\"a.exe\",\"/opt/a\",\"3rd\"\r\n\r\n  \t\n\"b.exe\",\"/opt/b\r\n"
                               "# note\n\"c.exe\",\"/opt/c\"\n";
        QTest::newRow("three fields, empty and blank lines, an open quote, a note")
            << true << odd << u"/opt/morvex/"_s << int(Outcome::Rewritten) << 1
            << odd + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        QTest::newRow("our old records dropped among damaged lines, the rest in place")
            << true
            << QByteArray("x,y,z\r\n\"morvex_calc.exe\",\"/old/\"\r\n\"lonely\r\n"
                          "\"morvex_calc.exe\"\r\n\"d.exe\",\"/d/\"\r\n")
            << u"/opt/morvex/"_s << int(Outcome::Rewritten) << 2
            << QByteArray("x,y,z\r\n\"lonely\r\n\"morvex_calc.exe\"\r\n\"d.exe\",\"/d/\"\r\n"
                          "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n");
        QTest::newRow("our record among damaged lines: untouched")
            << true << QByteArray("lonely\r\n\"morvex_calc.exe\",\"/opt/morvex/\"\r\na,b,c\r\n") << u"/opt/morvex/"_s
            << int(Outcome::AlreadyListed) << 1
            << QByteArray("lonely\r\n\"morvex_calc.exe\",\"/opt/morvex/\"\r\na,b,c\r\n");
        const QByteArray longDir = "c:\\" + QByteArray(300000, 'x') + "\\";
        QTest::newRow("very long lines")
            << true << "\"long.exe\",\"" + longDir + "\"\r\n" << u"/opt/morvex/"_s
            << int(Outcome::Rewritten) << 1
            << "\"long.exe\",\"" + longDir + "\"\r\n\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        QTest::newRow("more than 20 records: all kept")
            << true << otherPrograms(1, 25) << u"/opt/morvex/"_s << int(Outcome::Rewritten) << 25
            << otherPrograms(1, 25) + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        QTest::newRow("own record after the 20th found: untouched")
            << true << otherPrograms(1, 22) + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n"
            << u"/opt/morvex/"_s << int(Outcome::AlreadyListed) << 23
            << otherPrograms(1, 22) + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        QTest::newRow("old own record after the 20th dropped, the rest kept")
            << true
            << otherPrograms(1, 21) + "\"morvex_calc.exe\",\"/old/\"\r\n" + otherPrograms(22, 3)
            << u"/opt/morvex/"_s << int(Outcome::Rewritten) << 25
            << otherPrograms(1, 24) + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
    }
    void registration()
    {
        QFETCH(bool, fileExists);
        QFETCH(QByteArray, before);
        QFETCH(QString, programDir);
        QFETCH(int, outcome);
        QFETCH(int, recordsRead);
        QFETCH(QByteArray, after);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("morvex.dat"));
        if (fileExists)
            writeFile(path, before);
        const ProgramList::Registration result =
            ProgramList::registerProgram(dir.path() + QLatin1Char('/'), programDir);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.recordsRead.size(), recordsRead);
        QCOMPARE(readFile(path), after);
        // Nothing but the list is left in the directory.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("morvex.dat")});
    }

    // Where the file system ignores case (Windows), one directory is one directory however it
    // is written: ours is recorded lower-cased and found again in any case.
    void registrationIgnoringCase_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no file
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("after");
        const QByteArray others = otherPrograms(1, 2);
        QTest::newRow("no file: written lower-cased")
            << QByteArray() << u"C:\\Morvex\\"_s << int(Outcome::Rewritten)
            << QByteArray("\"morvex_calc.exe\",\"c:\\morvex\\\"\r\n");
        QTest::newRow("Cyrillic capitals lower-cased")
            << QByteArray() << u"C:\\Сталь\\"_s << int(Outcome::Rewritten)
            << QByteArray("\"morvex_calc.exe\",\"c:\\сталь\\\"\r\n");
        QTest::newRow("our lower-cased record found for a directory in capitals")
            << others + "\"morvex_calc.exe\",\"c:\\morvex\\\"\r\n" << u"C:\\Morvex\\"_s
            << int(Outcome::AlreadyListed) << others + "\"morvex_calc.exe\",\"c:\\morvex\\\"\r\n";
        QTest::newRow("a record in capitals found too")
            << "\"morvex_calc.exe\",\"C:\\MORVEX\\\"\r\n" + others << u"c:\\Morvex\\"_s
            << int(Outcome::AlreadyListed) << "\"morvex_calc.exe\",\"C:\\MORVEX\\\"\r\n" + others;
        QTest::newRow("another directory of ours replaced")
            << "\"morvex_calc.exe\",\"c:\\old\\\"\r\n" + others << u"C:\\Morvex\\"_s
            << int(Outcome::Rewritten) << others + "\"morvex_calc.exe\",\"c:\\morvex\\\"\r\n";
    }
    void registrationIgnoringCase()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, programDir);
        QFETCH(int, outcome);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("morvex.dat"));
        if (!before.isEmpty())
            writeFile(path, before);
        const ProgramList::Registration result = ProgramList::registerProgram(
            dir.path() + QLatin1Char('/'), programDir, {}, FileNameCase::Rule::Insensitive);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(readFile(path), after);
    }

    void listNotWritable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory missing") << u"missing"_s;
        QTest::newRow("directory is a file") << u"file"_s;
        QTest::newRow("directory read-only") << u"readonly"_s;
    }
    void listNotWritable()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString listDir = dir.filePath(QStringLiteral("lists")) + QLatin1Char('/');
        if (kind == QLatin1String("file")) {
            writeFile(dir.filePath(QStringLiteral("lists")), "not a directory");
        } else if (kind == QLatin1String("readonly")) {
            if (geteuid() == 0)
                QSKIP("the superuser writes into read-only directories");
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("lists")));
            writeFile(listDir + QStringLiteral("morvex.dat"), otherPrograms(1, 2));
            QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("lists")),
                                          QFile::ReadOwner | QFile::ExeOwner));
        }
        const ProgramList::Registration result =
            ProgramList::registerProgram(listDir, QStringLiteral("/opt/morvex/"));
        QCOMPARE(result.outcome, Outcome::NotWritten);
        if (kind == QLatin1String("readonly")) {
            QCOMPARE(result.recordsRead.size(), 2);
            QCOMPARE(readFile(listDir + QStringLiteral("morvex.dat")), otherPrograms(1, 2));
            QFile::setPermissions(dir.filePath(QStringLiteral("lists")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    // Only a regular file of a sane size is read as the list: a FIFO, a device, a directory or
    // a larger file is neither read nor written, and the start-up never waits on it.
    void specialListFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("outcome");
        QTest::newRow("a FIFO") << u"fifo"_s << int(Outcome::LeftAlone);
        QTest::newRow("a link to /dev/zero") << u"zero"_s << int(Outcome::LeftAlone);
        QTest::newRow("a directory") << u"directory"_s << int(Outcome::LeftAlone);
        QTest::newRow("one byte over the limit") << u"over"_s << int(Outcome::LeftAlone);
        QTest::newRow("exactly at the limit: read and rewritten") << u"limit"_s << int(Outcome::Rewritten);
    }
    void specialListFile()
    {
        QFETCH(QString, kind);
        QFETCH(int, outcome);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("morvex.dat"));
        QByteArray before;
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (kind == QLatin1String("directory")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("morvex.dat")));
        } else {
            // Two records and a filler line, the file MaxListFileSize bytes long or one more.
            const qint64 size = ProgramList::MaxListFileSize + (kind == QLatin1String("over") ? 1 : 0);
            before = otherPrograms(1, 2);
            before += QByteArray(size - before.size() - 2, 'x') + "\r\n";
            writeFile(path, before);
        }
        const GuardedRegistration run = registerGuarded(dir.path() + QLatin1Char('/'), path);
        QVERIFY(!run.blocked);
        QCOMPARE(int(run.result.outcome), outcome);
        const QFileInfo info(path);
        if (kind == QLatin1String("fifo")) {
            struct stat status;
            QCOMPARE(::lstat(QFile::encodeName(path).constData(), &status), 0);
            QVERIFY(S_ISFIFO(status.st_mode));
        } else if (kind == QLatin1String("zero")) {
            QCOMPARE(info.symLinkTarget(), QStringLiteral("/dev/zero"));
        } else if (kind == QLatin1String("directory")) {
            QVERIFY(info.isDir());
        } else if (kind == QLatin1String("over")) {
            QVERIFY(run.result.recordsRead.isEmpty());
            QCOMPARE(readFile(path), before);
        } else {
            QCOMPARE(run.result.recordsRead.size(), 2);
            QCOMPARE(readFile(path), before + "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n");
        }
        // Nothing but the list is left in the directory.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("morvex.dat")});
    }

    void failureBetweenWritingAndRenamingKeepsTheOldList()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("morvex.dat"));
        const QByteArray old = otherPrograms(1, 3);
        writeFile(path, old);
        bool reached = false;
        const ProgramList::Registration result = ProgramList::registerProgram(
            dir.path() + QLatin1Char('/'), QStringLiteral("/opt/morvex/"), [&](QSaveFile &file) {
                reached = true;
                // The new list is complete in its temporary file; the old one is still whole.
                QVERIFY(file.flush());
                QCOMPARE(readFile(path), old);
                file.cancelWriting(); // as a failing write or a full disk would
            });
        QVERIFY(reached);
        QCOMPARE(result.outcome, Outcome::NotWritten);
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("morvex.dat")});
    }

    // A full disk met anywhere in the new list (at its first byte, in a record, at its last
    // byte) fails the rewrite and leaves the old list whole: the registration says so rather
    // than reporting a list it emptied.
    void fullDiskKeepsTheOldList_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("full within a record") << qint64(20);
        QTest::newRow("full at the last byte") << qint64(-1);
    }

    void fullDiskKeepsTheOldList()
    {
        QFETCH(qint64, room);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("morvex.dat"));
        const QByteArray old = otherPrograms(1, 3);
        writeFile(path, old);
        // The new list is the old one with this program's record added: one byte short of it
        // is a disk that fills at the very end.
        const QByteArray record = "\"morvex_calc.exe\",\"/opt/morvex/\"\r\n";
        const qint64 whole = room < 0 ? old.size() + record.size() - 1 : room;
        ProgramList::Registration result;
        {
            const WriteFault full(whole);
            result = ProgramList::registerProgram(dir.path() + QLatin1Char('/'), QStringLiteral("/opt/morvex/"));
        }
        QCOMPARE(result.outcome, Outcome::NotWritten);
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("morvex.dat")});
    }

    // ---- reading the registry ---------------------------------------------------------------

    void readRegistryString_data()
    {
        QTest::addColumn<bool>("keyExists");
        QTest::addColumn<bool>("valueExists");
        QTest::addColumn<long>("closeStatus");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("closings");
        QTest::newRow("value read") << true << true << Registry::Success << u"/srv/lists"_s
                                    << QStringList{} << 1;
        QTest::newRow("key missing") << false << false << Registry::Success << u""_s
                                     << QStringList{QStringLiteral("Error opening key.")} << 0;
        QTest::newRow("value missing")
            << true << false << Registry::Success << u""_s
            << QStringList{QStringLiteral("Error getting subkey length."),
                           QStringLiteral("Error getting subkey value.")}
            << 1;
        QTest::newRow("key cannot be closed: the value still counts")
            << true << true << Registry::InvalidHandle << u"/srv/lists"_s
            << QStringList{QStringLiteral("Error closing key.")} << 1;
    }
    void readRegistryString()
    {
        QFETCH(bool, keyExists);
        QFETCH(bool, valueExists);
        QFETCH(long, closeStatus);
        QFETCH(QString, result);
        QFETCH(QStringList, messages);
        QFETCH(int, closings);

        FakeRegistry registry;
        registry.closeStatus = closeStatus;
        if (valueExists)
            registry.setValue(Registry::CurrentUser, QStringLiteral("Software\\M"),
                              QStringLiteral("Dir"), "/srv/lists");
        else if (keyExists)
            registry.addKey(Registry::CurrentUser, QStringLiteral("Software\\M"));
        RecordingMessages shown;
        QCOMPARE(ReadRegistryString(registry, shown, Registry::CurrentUser,
                                    QStringLiteral("Software\\M"), QStringLiteral("Dir")),
                 result);
        QCOMPARE(shown.texts(), messages);
        for (const UserMessages::Message &m : shown.shown) {
            QCOMPARE(m.title, QStringLiteral("Morvex Steel Mass Calculator 2.0"));
            QCOMPARE(m.icon, UserMessages::Icon::None);
            QCOMPARE(m.buttons, UserMessages::Buttons::Ok);
        }
        QCOMPARE(registry.openings.size(), 1);
        QCOMPARE(registry.openings.first().access, 1u);
        QCOMPARE(registry.openings.first().path, QByteArray("Software\\M"));
        QCOMPARE(registry.closings, closings);
        QVERIFY(registry.openKeys.isEmpty());
    }

    // The build's registry file, and the package's, name the list directory in each user's
    // home, ~/.local/share/morvex, which the program makes when it is missing; the build never
    // makes it.
    void registryFilesNameTheListDirectoryInTheHome_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("the build's") << QStringLiteral(MORVEX_PROGRAM_DIR "registry.ini");
        QTest::newRow("the package's") << QStringLiteral(MORVEX_PROGRAM_DIR "../packaging/registry.ini");
    }
    void registryFilesNameTheListDirectoryInTheHome()
    {
        QFETCH(QString, file);
        QVERIFY2(QFile::exists(file), qPrintable(file));
        QVERIFY(readFile(file).contains("ListFolder=\"~/.local/share/morvex\"\n"));
        IniRegistry registry({file});
        RecordingMessages shown;
        const ProgramList::Location location = ProgramList::location();
        const QString value = ReadRegistryString(registry, shown,
                                                 *ProgramList::rootKeyHandle(location.rootKey),
                                                 location.keyPath, location.valueName);
        QCOMPARE(shown.texts(), QStringList{});
        QCOMPARE(value, QDir::homePath() + QStringLiteral("/.local/share/morvex"));
    }

    // ---- the start-up step as a whole -------------------------------------------------------

    void startup_data()
    {
        QTest::addColumn<QString>("registry"); // "value", "value with separator", "no key", ...
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("listIn"); // "list", "root" or "" (nowhere)
        QTest::newRow("registry names the list directory") << u"value"_s << QStringList{} << u"list"_s;
        QTest::newRow("value ends in a separator")
            << u"value with separator"_s << QStringList{} << u"list"_s;
        QTest::newRow("registry key missing")
            << u"no key"_s << QStringList{QStringLiteral("Error opening key.")} << u"root"_s;
        QTest::newRow("registry value missing")
            << u"no value"_s
            << QStringList{QStringLiteral("Error getting subkey length."),
                           QStringLiteral("Error getting subkey value.")}
            << u"root"_s;
        QTest::newRow("key cannot be closed")
            << u"close fails"_s << QStringList{QStringLiteral("Error closing key.")} << u"list"_s;
        QTest::newRow("list directory not writable") << u"unwritable"_s << QStringList{} << u""_s;
    }
    void startup()
    {
        QFETCH(QString, registry);
        QFETCH(QStringList, messages);
        QFETCH(QString, listIn);

        TestEnvironment env;
        const ProgramList::Location location = ProgramList::location();
        const QString listDir = env.listDir.path();
        if (registry == QLatin1String("no key")) {
            env.registry = FakeRegistry();
        } else if (registry == QLatin1String("no value")) {
            env.registry = FakeRegistry();
            env.registry.addKey(Registry::LocalMachine, location.keyPath);
        } else if (registry == QLatin1String("close fails")) {
            env.registry.closeStatus = Registry::InvalidHandle;
        } else if (registry == QLatin1String("value with separator")) {
            env.registry.setValue(Registry::LocalMachine, location.keyPath, location.valueName,
                                  (listDir + QLatin1Char('/')).toLocal8Bit());
        } else if (registry == QLatin1String("unwritable")) {
            env.registry.setValue(Registry::LocalMachine, location.keyPath, location.valueName,
                                  (listDir + QStringLiteral("/no/such/dir")).toLocal8Bit());
        }
        const QByteArray others = otherPrograms(1, 2);
        writeFile(listDir + QStringLiteral("/morvex.dat"), others);

        Form1 w(env.environment);
        QVERIFY(w.Form_Load());
        QCOMPARE(env.messages.texts(), messages);
        for (const UserMessages::Message &m : env.messages.shown) {
            QCOMPARE(m.title, QStringLiteral("Morvex Steel Mass Calculator 2.0"));
            QCOMPARE(m.icon, UserMessages::Icon::None);
        }
        QVERIFY(!env.exit.code);

        // The location texts in the hidden controls.
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("cboHKey"))->currentText(),
                 QStringLiteral("HKEY_LOCAL_MACHINE"));
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("txtKey"))->text(), location.keyPath);
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("txtSubkey"))->text(),
                 location.valueName);

        const QByteArray own =
            "\"morvex_calc.exe\",\"" + w.state().ProgramDir.toLocal8Bit() + "\"\r\n";
        const QString rootFile = env.rootDir.filePath(QStringLiteral("morvex.dat"));
        const QString listFile = listDir + QStringLiteral("/morvex.dat");
        if (listIn == QLatin1String("list")) {
            QCOMPARE(readFile(listFile), others + own);
            QCOMPARE(w.state().ListRecords[0], (MainState::ListRecord{
                                                   QStringLiteral("prog1.exe"),
                                                   QStringLiteral("c:\\progs\\1\\")}));
            QCOMPARE(w.state().ListRecords[1][0], QStringLiteral("prog2.exe"));
            QVERIFY(w.state().ListRecords[2][0].isEmpty());
            QVERIFY(!QFile::exists(rootFile));
        } else if (listIn == QLatin1String("root")) {
            QCOMPARE(readFile(rootFile), own);
            QCOMPARE(readFile(listFile), others);
            QVERIFY(w.state().ListRecords[0][0].isEmpty());
        } else {
            QCOMPARE(readFile(listFile), others);
            QVERIFY(!QFile::exists(rootFile));
        }
    }

    // What counts as inside the home. Paths are relative to a temporary directory holding the
    // home "h"; "/" stands for the file system's root as the home.
    void makeListDir_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("listDir");
        QTest::addColumn<bool>("there");
        QTest::addColumn<bool>("made");
        QTest::newRow("below the home") << u"h"_s << u"h/.local/share/morvex"_s << true << true;
        QTest::newRow("the home itself") << u"h"_s << u"h"_s << true << false;
        QTest::newRow("a sibling that begins like it") << u"h"_s << u"h2/morvex"_s << false << false;
        QTest::newRow("out of the home through ..") << u"h"_s << u"h/../out/morvex"_s << false << false;
        QTest::newRow("a file in the way") << u"h"_s << u"h/file/morvex"_s << false << false;
        QTest::newRow("the root as the home") << u"/"_s << u"out/morvex"_s << false << false;
        QTest::newRow("a home that does not exist") << u"gone"_s << u"gone/morvex"_s << false << false;
        QTest::newRow("no home") << u""_s << u"h/morvex"_s << false << false;
    }
    void makeListDir()
    {
        QFETCH(QString, home);
        QFETCH(QString, listDir);
        QFETCH(bool, there);
        QFETCH(bool, made);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("h")));
        writeFile(dir.filePath(QStringLiteral("h/file")), "not a directory");
        const QString homeDir = home == QLatin1String("/") ? home : home.isEmpty() ? QString() : dir.filePath(home);
        const QString path = dir.filePath(listDir);
        QCOMPARE(ProgramList::makeListDir(path, homeDir), there);
        QCOMPARE(QFileInfo(path).isDir(), there);
        if (!made)
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{QStringLiteral("h")});
    }

    // A missing list directory inside the user's home is made, each missing level with the
    // owner's rights only; one elsewhere is never made, and nothing is registered there.
    void missingListDirectory_data()
    {
        QTest::addColumn<QString>("where");  // relative to the home, or "elsewhere"
        QTest::addColumn<QString>("missing"); // the first level that does not exist yet
        QTest::addColumn<bool>("made");
        QTest::newRow("the data directory's own level") << u".local/share/morvex"_s << u".local/share/morvex"_s << true;
        QTest::newRow("every level below the home") << u".local/share/morvex"_s << u".local"_s << true;
        QTest::newRow("written with a trailing separator") << u"lists/morvex/"_s << u"lists"_s << true;
        QTest::newRow("elsewhere") << u"elsewhere"_s << u""_s << false;
    }
    void missingListDirectory()
    {
        QFETCH(QString, where);
        QFETCH(QString, missing);
        QFETCH(bool, made);
        TestEnvironment env;
        QTemporaryDir outside;
        const QString listDir = made ? env.home.filePath(where) : outside.filePath(QStringLiteral("no/such/dir"));
        if (made) {
            // The levels above the first missing one are there already.
            const QString present = QFileInfo(env.home.filePath(missing)).path();
            QVERIFY(QDir().mkpath(present));
        }
        const ProgramList::Location location = ProgramList::location();
        env.registry.setValue(Registry::LocalMachine, location.keyPath, location.valueName, listDir.toLocal8Bit());

        Form1 w(env.environment);
        QVERIFY(w.Form_Load());
        QVERIFY(env.messages.shown.isEmpty());
        const QString list = QDir(listDir).filePath(QStringLiteral("morvex.dat"));
        if (!made) {
            QVERIFY(!QFileInfo::exists(outside.filePath(QStringLiteral("no"))));
            QVERIFY(!QFile::exists(env.rootDir.filePath(QStringLiteral("morvex.dat"))));
            return;
        }
        QCOMPARE(readFile(list), "\"morvex_calc.exe\",\"" + w.state().ProgramDir.toLocal8Bit() + "\"\r\n");
        // Every level made, from the first missing one down, is the owner's alone.
        for (QString level = QDir::cleanPath(env.home.filePath(where));; level = QFileInfo(level).path()) {
            struct stat status;
            QCOMPARE(::stat(QFile::encodeName(level).constData(), &status), 0);
            QCOMPARE(status.st_mode & 07777, mode_t(0700));
            if (level == QDir::cleanPath(env.home.filePath(missing)))
                break;
        }
    }

    // A program directory with capitals is recorded as it is, so the next start finds the
    // record and leaves the list alone instead of writing it anew.
    void programDirectoryWithCapitalsIsFoundAgain()
    {
        QTemporaryDir programs;
        const QString programDir = programs.filePath(QStringLiteral("Morvex Stal"));
        QVERIFY(QDir().mkpath(programDir));
        QVERIFY(QFile::copy(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"), programDir + QStringLiteral("/base.mdb")));
        TestEnvironment env(programDir);
        const QString list = env.listDir.filePath(QStringLiteral("morvex.dat"));
        writeFile(list, otherPrograms(1, 2));
        const auto inode = [&list] {
            struct stat status;
            return ::stat(QFile::encodeName(list).constData(), &status) == 0 ? status.st_ino : ino_t(0);
        };

        Form1 first(env.environment);
        QVERIFY(first.Form_Load());
        const QByteArray written = otherPrograms(1, 2) + "\"morvex_calc.exe\",\""
                                   + QFile::encodeName(programDir) + "/\"\r\n";
        QCOMPARE(readFile(list), written);
        const ino_t afterFirst = inode();

        Form1 second(env.environment);
        QVERIFY(second.Form_Load());
        QCOMPARE(readFile(list), written);
        QCOMPARE(inode(), afterFirst); // not replaced by a rewrite
        QVERIFY(env.messages.shown.isEmpty());
    }

    // A FIFO or a link to a device as the list: the start-up neither waits on it nor reads it,
    // registers nothing into it and goes on without a word.
    void startupWithASpecialListFile_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("a FIFO") << true;
        QTest::newRow("a link to /dev/zero") << false;
    }
    void startupWithASpecialListFile()
    {
        QFETCH(bool, fifo);
        TestEnvironment env;
        const QString path = env.listDir.filePath(QStringLiteral("morvex.dat"));
        if (fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        Form1 w(env.environment);
        QVERIFY(w.Form_Load());
        QVERIFY(env.messages.shown.isEmpty());
        QVERIFY(!env.exit.code);
        QVERIFY(w.state().ListRecords[0][0].isEmpty());
        struct stat status;
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &status), 0);
        QVERIFY(fifo ? S_ISFIFO(status.st_mode) : S_ISLNK(status.st_mode));
        QCOMPARE(QDir(env.listDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("morvex.dat")});
    }

    // The state holds the first twenty records read; lines that are no record take no row.
    void startupKeepsTheFirstTwentyRecordsInTheState_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("records only") << otherPrograms(1, 23);
        QTest::newRow("damaged lines between the records")
            << "lonely\r\n" + otherPrograms(1, 10) + "a,b,c\r\n\"open,quote\r\n\r\n" + otherPrograms(11, 13);
    }
    void startupKeepsTheFirstTwentyRecordsInTheState()
    {
        QFETCH(QByteArray, list);
        TestEnvironment env;
        writeFile(env.listDir.filePath(QStringLiteral("morvex.dat")), list);
        Form1 w(env.environment);
        QVERIFY(w.Form_Load());
        QCOMPARE(w.state().ListRecords[0][0], QStringLiteral("prog1.exe"));
        QCOMPARE(w.state().ListRecords[10][0], QStringLiteral("prog11.exe"));
        QCOMPARE(w.state().ListRecords[19],
                 (MainState::ListRecord{QStringLiteral("prog20.exe"),
                                        QStringLiteral("c:\\progs\\20\\")}));
        const QByteArray own =
            "\"morvex_calc.exe\",\"" + w.state().ProgramDir.toLocal8Bit() + "\"\r\n";
        QCOMPARE(readFile(env.listDir.filePath(QStringLiteral("morvex.dat"))), list + own);
    }
};

QTEST_MAIN(TestProgramList)
#include "tst_programlist.moc"
