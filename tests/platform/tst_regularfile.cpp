// Reading a small file that may be something else: a FIFO, a device, a directory, too large.

#include "platform/regularfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Status = RegularFile::Status;

Q_DECLARE_METATYPE(RegularFile::Status)

class TestRegularFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("a small file") << u"file"_s << Status::Read << QByteArray("a,b\r\n");
        QTest::newRow("an empty file") << u"empty"_s << Status::Read << QByteArray();
        QTest::newRow("exactly at the size") << u"ten"_s << Status::Read << QByteArray(10, 'x');
        QTest::newRow("one byte over the size") << u"eleven"_s << Status::TooLarge << QByteArray();
        QTest::newRow("a link to a small file") << u"link"_s << Status::Read << QByteArray("a,b\r\n");
        QTest::newRow("missing") << u"missing"_s << Status::CannotOpen << QByteArray();
        QTest::newRow("a dangling link") << u"dangling"_s << Status::CannotOpen << QByteArray();
        QTest::newRow("a FIFO without a writer") << u"fifo"_s << Status::NotRegular << QByteArray();
        QTest::newRow("a link to /dev/zero") << u"zero"_s << Status::NotRegular << QByteArray();
        QTest::newRow("/dev/null itself") << u"null"_s << Status::NotRegular << QByteArray();
        QTest::newRow("a directory") << u"directory"_s << Status::NotRegular << QByteArray();
        QTest::newRow("no permission to read") << u"unreadable"_s << Status::CannotOpen << QByteArray();
    }
    void read()
    {
        QFETCH(QString, kind);
        QFETCH(Status, status);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("morvex.dat"));
        const auto write = [](const QString &file, const QByteArray &content) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            QCOMPARE(out.write(content), content.size());
        };
        if (kind == QLatin1String("file") || kind == QLatin1String("empty") || kind == QLatin1String("ten")) {
            write(path, bytes);
        } else if (kind == QLatin1String("eleven")) {
            write(path, QByteArray(11, 'x'));
        } else if (kind == QLatin1String("link")) {
            write(dir.filePath(QStringLiteral("target")), bytes);
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("target")), path));
        } else if (kind == QLatin1String("dangling")) {
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nothing")), path));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (kind == QLatin1String("null")) {
            path = QStringLiteral("/dev/null");
        } else if (kind == QLatin1String("directory")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("morvex.dat")));
        } else if (kind == QLatin1String("unreadable")) {
            if (::geteuid() == 0)
                QSKIP("the superuser reads files without read permission");
            write(path, "a,b\r\n");
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
        }
        // A FIFO that blocked the opening would hang here; the test's time limit catches it.
        const RegularFile::Contents contents = RegularFile::read(path, 10);
        QCOMPARE(contents.status, status);
        QCOMPARE(contents.bytes, bytes);
    }
};

QTEST_GUILESS_MAIN(TestRegularFile)
#include "tst_regularfile.moc"
