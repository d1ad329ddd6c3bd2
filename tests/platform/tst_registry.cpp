#include "platform/registryini.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray ListKey = "[HKEY_LOCAL_MACHINE\\Software\\Morvex\\Shared]\n";

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private:
    // Writes each text into its own INI file of a temporary directory; the files in order.
    static QStringList writeFiles(const QTemporaryDir &dir, const QByteArrayList &texts)
    {
        QStringList files;
        for (int i = 0; i < texts.size(); ++i) {
            const QString path = dir.filePath(QStringLiteral("r%1.ini").arg(i));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(texts[i]) != texts[i].size())
                qFatal("cannot write %s", qPrintable(path));
            files.append(path);
        }
        return files;
    }

private Q_SLOTS:
    void lookUp_data()
    {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<uint>("root");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<long>("openStatus");
        QTest::addColumn<long>("sizeStatus");
        QTest::addColumn<QByteArray>("value"); // as read, without its terminating zero

        const uint hklm = Registry::LocalMachine;
        const QByteArray path = "Software\\Morvex\\Shared";
        const QByteArray name = "ListFolder";
        QTest::newRow("value of a section")
            << QByteArrayList{ListKey + "ListFolder=/srv/lists\n"} << hklm << path << name
            << Registry::Success << Registry::Success << QByteArray("/srv/lists");
        QTest::newRow("key missing fails to open")
            << QByteArrayList{"[HKEY_LOCAL_MACHINE\\Software\\Other]\nListFolder=/srv\n"} << hklm
            << path << name << Registry::NotFound << Registry::InvalidHandle << QByteArray();
        QTest::newRow("same path under another root fails to open")
            << QByteArrayList{ListKey + "ListFolder=/srv/lists\n"} << uint(Registry::CurrentUser)
            << path << name << Registry::NotFound << Registry::InvalidHandle << QByteArray();
        QTest::newRow("no file at all fails to open")
            << QByteArrayList{} << hklm << path << name << Registry::NotFound
            << Registry::InvalidHandle << QByteArray();
        QTest::newRow("value missing fails the size query")
            << QByteArrayList{ListKey + "Other=/srv/lists\n"} << hklm << path << name
            << Registry::Success << Registry::NotFound << QByteArray();
        QTest::newRow("key holding only a sub key opens")
            << QByteArrayList{"[HKEY_LOCAL_MACHINE\\Software\\Morvex\\Shared\\Deeper]\nX=1\n"}
            << hklm << path << name << Registry::Success << Registry::NotFound << QByteArray();
        QTest::newRow("names are compared with their case")
            << QByteArrayList{"[HKEY_LOCAL_MACHINE\\software\\morvex\\shared]\nListFolder=/a\n"}
            << hklm << path << name << Registry::NotFound << Registry::InvalidHandle
            << QByteArray();
        QTest::newRow("key found in the second file")
            << QByteArrayList{"[HKEY_CURRENT_USER\\Software]\nX=1\n",
                              ListKey + "ListFolder=/usr/share/lists\n"}
            << hklm << path << name << Registry::Success << Registry::Success
            << QByteArray("/usr/share/lists");
        QTest::newRow("the first file holding the key wins")
            << QByteArrayList{ListKey + "ListFolder=/home/u/lists\n",
                              ListKey + "ListFolder=/usr/share/lists\n"}
            << hklm << path << name << Registry::Success << Registry::Success
            << QByteArray("/home/u/lists");
        QTest::newRow("the key's own file only: value not taken from a later file")
            << QByteArrayList{ListKey + "Other=1\n", ListKey + "ListFolder=/usr/share/lists\n"}
            << hklm << path << name << Registry::Success << Registry::NotFound << QByteArray();
        QTest::newRow("a garbage file is passed over")
            << QByteArrayList{QByteArray("\x00\xff[\x01]\n=\n\x80\x81", 11),
                              ListKey + "ListFolder=/srv/lists\n"}
            << hklm << path << name << Registry::Success << Registry::Success
            << QByteArray("/srv/lists");
        QTest::newRow("blanks in the key path")
            << QByteArrayList{"[HKEY_LOCAL_MACHINE\\Software\\Morvex Steel\\Shared]\nV=x\n"}
            << hklm << QByteArray("Software\\Morvex Steel\\Shared") << QByteArray("V")
            << Registry::Success << Registry::Success << QByteArray("x");
        QTest::newRow("unquoted commas stay in the value")
            << QByteArrayList{ListKey + "ListFolder=/srv/a,b\n"} << hklm << path << name
            << Registry::Success << Registry::Success << QByteArray("/srv/a,b");
        QTest::newRow("quoted value")
            << QByteArrayList{ListKey + "ListFolder=\"/srv/my lists, old\"\n"} << hklm << path
            << name << Registry::Success << Registry::Success
            << QByteArray("/srv/my lists, old");
        QTest::newRow("leading tilde is the home directory")
            << QByteArrayList{ListKey + "ListFolder=\"~/.local/share/morvex\"\n"} << hklm << path
            << name << Registry::Success << Registry::Success
            << (QDir::homePath() + QStringLiteral("/.local/share/morvex")).toLocal8Bit();
        QTest::newRow("empty value")
            << QByteArrayList{ListKey + "ListFolder=\n"} << hklm << path << name
            << Registry::Success << Registry::Success << QByteArray();
        QTest::newRow("unknown root handle")
            << QByteArrayList{ListKey + "ListFolder=/srv\n"} << uint(0x80000004) << path << name
            << Registry::InvalidHandle << Registry::InvalidHandle << QByteArray();
    }
    void lookUp()
    {
        QFETCH(QByteArrayList, files);
        QFETCH(uint, root);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, name);
        QFETCH(long, openStatus);
        QFETCH(long, sizeStatus);
        QFETCH(QByteArray, value);

        QTemporaryDir dir;
        IniRegistry registry(writeFiles(dir, files));
        Registry::KeyHandle key = 0;
        QCOMPARE(registry.openKey(root, path, Registry::QueryValue, key), openStatus);
        if (openStatus != Registry::Success)
            return;
        std::uint32_t size = 0;
        QCOMPARE(registry.queryValue(key, name, nullptr, size), sizeStatus);
        if (sizeStatus == Registry::Success) {
            QCOMPARE(size, std::uint32_t(value.size() + 1));
            QByteArray buffer(size, ' ');
            QCOMPARE(registry.queryValue(key, name, buffer.data(), size), Registry::Success);
            QCOMPARE(size, std::uint32_t(value.size() + 1));
            QCOMPARE(buffer, value + '\0');
        }
        QCOMPARE(registry.closeKey(key), Registry::Success);
    }

    // A read into a buffer: too small reports the size needed and copies nothing.
    void readIntoBuffer_data()
    {
        QTest::addColumn<int>("bufferSize");
        QTest::addColumn<long>("status");
        QTest::addColumn<uint>("sizeAfter");
        QTest::addColumn<QByteArray>("bufferAfter");
        // The value "/srv" takes 5 bytes with its zero.
        QTest::newRow("no room") << 0 << Registry::MoreData << 5u << QByteArray();
        QTest::newRow("one byte short") << 4 << Registry::MoreData << 5u << QByteArray("....");
        QTest::newRow("exact") << 5 << Registry::Success << 5u << QByteArray("/srv\0", 5);
        QTest::newRow("larger") << 8 << Registry::Success << 5u << QByteArray("/srv\0...", 8);
    }
    void readIntoBuffer()
    {
        QFETCH(int, bufferSize);
        QFETCH(long, status);
        QFETCH(uint, sizeAfter);
        QFETCH(QByteArray, bufferAfter);
        QTemporaryDir dir;
        IniRegistry registry(writeFiles(dir, {ListKey + "ListFolder=/srv\n"}));
        Registry::KeyHandle key = 0;
        QCOMPARE(registry.openKey(Registry::LocalMachine, "Software\\Morvex\\Shared",
                                  Registry::QueryValue, key),
                 Registry::Success);
        QByteArray buffer(bufferSize, '.');
        std::uint32_t size = bufferSize;
        QCOMPARE(registry.queryValue(key, "ListFolder", buffer.data(), size), status);
        QCOMPARE(size, sizeAfter);
        QCOMPARE(buffer, bufferAfter);
    }

    void handlesAreClosedOnce()
    {
        QTemporaryDir dir;
        IniRegistry registry(writeFiles(dir, {ListKey + "ListFolder=/srv\n"}));
        Registry::KeyHandle key = 0;
        QCOMPARE(registry.openKey(Registry::LocalMachine, "Software\\Morvex\\Shared",
                                  Registry::QueryValue, key),
                 Registry::Success);
        QCOMPARE(registry.closeKey(key), Registry::Success);
        QCOMPARE(registry.closeKey(key), Registry::InvalidHandle);
        std::uint32_t size = 0;
        QCOMPARE(registry.queryValue(key, "ListFolder", nullptr, size), Registry::InvalidHandle);
    }

    void userFileComesFirstProgramDirectoryLast()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QStringList files = IniRegistry::defaultFiles(QStringLiteral("/opt/morvex-calc"));
        QVERIFY(files.size() >= 2);
        QCOMPARE(files.first(),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                     + QStringLiteral("/morvex/registry.ini"));
        QCOMPARE(files.last(), QStringLiteral("/opt/morvex-calc/registry.ini"));
        QCOMPARE(IniRegistry::defaultFiles(QStringLiteral("/opt/morvex-calc/")).last(),
                 QStringLiteral("/opt/morvex-calc/registry.ini"));
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
