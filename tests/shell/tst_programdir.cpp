#include "shell/programdir.h"

#include <QTest>

class TestProgramDir : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsInOneSeparator_data()
    {
        QTest::addColumn<QString>("executableDir");
        QTest::addColumn<QString>("programDir");
        QTest::newRow("ordinary directory") << "/opt/morvex" << "/opt/morvex/";
        QTest::newRow("filesystem root keeps its one separator") << "/" << "/";
        QTest::newRow("drive root keeps its one separator") << "C:/" << "C:/";
        QTest::newRow("drive root with a backslash") << "C:\\" << "C:\\";
        QTest::newRow("blanks are kept") << "/home/user/My Programs/Morvex Calc"
                                          << "/home/user/My Programs/Morvex Calc/";
        QTest::newRow("capital letters are kept") << "/Opt/MorveX" << "/Opt/MorveX/";
    }
    void endsInOneSeparator()
    {
        QFETCH(QString, executableDir);
        QFETCH(QString, programDir);
        QCOMPARE(programDirFrom(executableDir), programDir);
    }
};

QTEST_GUILESS_MAIN(TestProgramDir)
#include "tst_programdir.moc"
