#include "platform/urllauncher.h"
#include "shell/form1.h"
#include "platform/maker.h"
#include "shell/sitelink.h"
#include "testwindow.h"

#include <QDir>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSiteLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<QString>("startDir");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("directory with blanks")
            << u"C:\\Program Files\\Morvex Steel"_s
            << u"cmd /q /c start /b /d\"C:\\Program Files\\Morvex Steel\" "
               "\"http://www.morvex.example/\" \"http://www.morvex.example/\""_s;
        QTest::newRow("drive root")
            << u"C:\\"_s
            << u"cmd /q /c start /b /d\"C:\\\" \"http://www.morvex.example/\" "
               "\"http://www.morvex.example/\""_s;
    }
    void commandLine()
    {
        QFETCH(QString, startDir);
        QFETCH(QString, commandLine);
        QCOMPARE(cmdStartCommandLine(startDir, QString::fromLatin1(Maker::SiteAddress)),
                 commandLine);
    }

    void siteAddressIsAWebUrlOfTheShownHost()
    {
        const QUrl url(SiteLink::address());
        QVERIFY(url.isValid());
        QVERIFY(url.scheme() == u"http"_s || url.scheme() == u"https"_s);
        QCOMPARE(url.host(), QString::fromLatin1(Maker::SiteHost));
    }

    void startDirectory_data()
    {
        QTest::addColumn<QString>("executableDir");
        QTest::addColumn<QString>("startDir");
        QTest::newRow("root keeps its separator")
            << u"/"_s << QDir::toNativeSeparators(u"/"_s);
        QTest::newRow("no separator added")
            << u"/opt/morvex calc"_s << QDir::toNativeSeparators(u"/opt/morvex calc"_s);
    }
    void startDirectory()
    {
        QFETCH(QString, executableDir);
        QFETCH(QString, startDir);
        RecordingLauncher launcher;
        SiteLink::open(launcher, executableDir);
        QCOMPARE(launcher.launches.size(), 1);
        QCOMPARE(launcher.launches.first().startDir, startDir);
        QCOMPARE(launcher.launches.first().address, u"http://www.morvex.example/"_s);
    }

    void clickingTheHostName_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("releasedOutside");
        QTest::addColumn<int>("launches");
        QTest::newRow("one click") << 1 << false << 1;
        QTest::newRow("every click opens the site again") << 3 << false << 3;
        QTest::newRow("released outside the label") << 1 << true << 0;
    }
    void clickingTheHostName()
    {
        QFETCH(int, clicks);
        QFETCH(bool, releasedOutside);
        QFETCH(int, launches);
        TestEnvironment env;
        Form1 w(env.environment);
        QVERIFY(w.Form_Load());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *label = w.findChild<QLabel *>(u"Label7"_s);
        QVERIFY(label);
        for (int i = 0; i < clicks; ++i) {
            QTest::mousePress(label, Qt::LeftButton);
            const QPoint release = releasedOutside ? QPoint(label->width() + 20, -20)
                                                   : label->rect().center();
            QTest::mouseRelease(label, Qt::LeftButton, {}, release);
        }
        QCOMPARE(env.launcher.launches.size(), launches);
        for (const RecordingLauncher::Launch &launch : env.launcher.launches) {
            QCOMPARE(launch.address, u"http://www.morvex.example/"_s);
            QCOMPARE(launch.startDir, QDir::toNativeSeparators(env.environment.executableDir));
        }
        QVERIFY(env.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestSiteLink)
#include "tst_sitelink.moc"
