// The texts of the data panel when its grid has no sizes to show, and the standards the
// catalogue names for them.

#include "catalogue/catalogue.h"
#include "catalogue/panelnotes.h"

#include <QRegularExpression>
#include <QTest>

using PanelNotes::Stage;

Q_DECLARE_METATYPE(PanelNotes::Stage)

class TestPanelNotes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noteForThePanel_data()
    {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("note");
        const QString start = QStringLiteral("Выберите тип изделия, а затем изделие в списке изделий: "
                                             "здесь появится таблица его размеров.");
        const QString group = QStringLiteral("Выберите изделие в списке изделий: здесь появится таблица его размеров.");
        QTest::newRow("start") << Stage::Start << "" << 0 << start;
        // The grid is hidden, its model still holds the last kind's rows.
        QTest::newRow("group chosen") << Stage::Group << "ГОСТ 8509-93" << 5 << group;
        QTest::newRow("kind with rows") << Stage::Kind << "ГОСТ 8509-93" << 1 << "";
        QTest::newRow("kind without rows")
            << Stage::Kind << "ГОСТ 13229-78" << 0
            << "В базе пока нет размеров по ГОСТ 13229-78. Свои размеры можно добавить: "
               "правой кнопкой мыши на таблице — «Добавить размер…» или клавиша Insert.";
        QTest::newRow("kind of two standards without rows")
            << Stage::Kind << "ГОСТ 5336-80 и ГОСТ 3826-82" << 0
            << "В базе пока нет размеров по ГОСТ 5336-80 и ГОСТ 3826-82. Свои размеры можно добавить: "
               "правой кнопкой мыши на таблице — «Добавить размер…» или клавиша Insert.";
    }
    void noteForThePanel()
    {
        QFETCH(Stage, stage);
        QFETCH(QString, standard);
        QFETCH(int, rows);
        QFETCH(QString, note);
        QCOMPARE(PanelNotes::noteFor(stage, standard, rows), note);
    }

    // Every kind names its standards; where its title names one, it is among them, so the note
    // on an empty table never names another standard than the title shows.
    void everyKindNamesTheStandardsOfItsTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("standard");
        for (const Catalogue::Kind &kind : Catalogue::kinds())
            QTest::addRow("T%d %d %s", kind.toolbar, kind.button, kind.title)
                << QString::fromUtf8(kind.title) << QString::fromUtf8(kind.standard);
    }
    void everyKindNamesTheStandardsOfItsTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, standard);
        static const QRegularExpression designation(QStringLiteral("(ГОСТ( Р)?|ТУ) \\d[\\d-]*\\d"));
        static const QRegularExpression list(
            QStringLiteral("^(ГОСТ( Р)?|ТУ) \\d[\\d-]*\\d((, | и )(ГОСТ( Р)?|ТУ) \\d[\\d-]*\\d)*$"));
        QVERIFY2(list.match(standard).hasMatch(), qPrintable(standard));
        for (auto it = designation.globalMatch(title); it.hasNext();) {
            const QString named = it.next().captured(0);
            QVERIFY2(standard.split(QRegularExpression(QStringLiteral(", | и "))).contains(named),
                     qPrintable(named));
        }
    }
};

QTEST_GUILESS_MAIN(TestPanelNotes)
#include "tst_panelnotes.moc"
