// The specification written as a workbook by the build's export plugin and read back through
// its XML: one sheet per table, numbers as plain numbers with a point whatever the user's
// locale, totals as live SUM formulas over the cells they add up with their printed values,
// the heading's merged cells, repeated on every printed page, and the page landscape where the
// form is wider than a portrait A4.

#include "bom/bomexporter.h"
#include "bom/bomexportplugin.h"
#include "bom/specsheet.h"
#include "steelspec/spectables.h"
#include "workbookxml.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

namespace {

const QString ProgramDir = QStringLiteral(MORVEX_PROGRAM_DIR);
const QString Beams = QStringLiteral("Двутавры ГОСТ 26020-83");
const QString Angles = QStringLiteral("Уголки равнополочные ГОСТ 8509-93");
const SpecTables::Heading Project{QStringLiteral("Площадка обслуживания"), QStringLiteral("КМ, лист 3")};

MetalForm::Form platform(const QStringList &groups)
{
    QList<MetalForm::Line> lines;
    for (const QString &group : groups) {
        lines.append({Beams, 1, QStringLiteral("С255"), QStringLiteral("20Б1"), 20, group, 511.2});
        lines.append({Beams, 1, QStringLiteral("С255"), QStringLiteral("30Б1"), 30, group, 127.8});
        lines.append({Angles, 9, QStringLiteral("С345"), QStringLiteral("63×5"), 40, group, 96.4});
    }
    return MetalForm::make(lines);
}

} // namespace

class TestSpecWorkbook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
            QSKIP("unzip is not installed");
        QVERIFY2(BomExportPlugin::exporter(ProgramDir), "the build's export plugin did not load");
    }

    void sumFormulas_data()
    {
        QTest::addColumn<QList<QPoint>>("cells");
        QTest::addColumn<QString>("formula");
        QTest::newRow("one cell") << QList<QPoint>{{4, 6}} << "SUM(E7)";
        QTest::newRow("a run") << QList<QPoint>{{4, 6}, {4, 7}, {4, 8}} << "SUM(E7:E9)";
        QTest::newRow("runs and single cells, any order")
            << QList<QPoint>{{4, 11}, {4, 6}, {4, 8}, {4, 7}} << "SUM(E7:E9,E12)";
        QTest::newRow("a row's groups") << QList<QPoint>{{4, 9}, {5, 9}, {6, 9}} << "SUM(E10,F10,G10)";
    }
    void sumFormulas()
    {
        QFETCH(QList<QPoint>, cells);
        QFETCH(QString, formula);
        QCOMPARE(SpecSheet::sumFormula(cells), formula);
    }

    void formSheet()
    {
        // Under the users' locale, whose decimal separator is a comma.
        const QByteArray before = std::setlocale(LC_NUMERIC, nullptr);
        if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"))
            QSKIP("the locale ru_RU.UTF-8 is not installed");
        const auto restore = qScopeGuard([&before] { std::setlocale(LC_NUMERIC, before.constData()); });
        const MetalForm::Form form = platform({QStringLiteral("Колонны"), QStringLiteral("Балки")});
        const SpecTable table = SpecTables::metalForm(form, Project);
        const FastenerStatement::Statement bolts =
            FastenerStatement::make({{"Болт М16-6gx60.58 ГОСТ 7798-70", "ГОСТ 7798-70", 1, 1, 12, 0.129}});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tsm.xlsx"));
        QString error;
        QVERIFY2(BomExportPlugin::exporter(ProgramDir)->writeWorkbook(
                     {SpecSheet::layout(table, QStringLiteral("ТСМ")),
                      SpecSheet::layout(SpecTables::fasteners(bolts, Project), QStringLiteral("Метизы"))},
                     path, &error),
                 qPrintable(error));

        const QString book = QString::fromUtf8(WorkbookXml::part(path, QStringLiteral("xl/workbook.xml")));
        QVERIFY2(book.contains(QStringLiteral("name=\"ТСМ\"")) && book.contains(QStringLiteral("name=\"Метизы\"")),
                 qPrintable(book));
        // The three heading rows on every printed page.
        QVERIFY2(book.contains(QStringLiteral("'ТСМ'!$3:$5")) || book.contains(QStringLiteral("ТСМ!$3:$5")), qPrintable(book));

        const QString xml = QString::fromUtf8(WorkbookXml::part(path, QStringLiteral("xl/worksheets/sheet1.xml")));
        QVERIFY2(!QRegularExpression(QStringLiteral("\\d,\\d")).match(xml).hasMatch(), "a decimal comma in the sheet");
        const WorkbookXml::Sheet sheet = WorkbookXml::sheet(path);
        QCOMPARE(sheet.paperSize, QStringLiteral("9"));
        QCOMPARE(sheet.orientation, QStringLiteral("portrait")); // 30+30+30+10+2×15+25 = 155 mm
        QCOMPARE(sheet.cells.value("A1").value, Project.project);
        QCOMPARE(sheet.cells.value("A2").value, SpecTables::MetalFormTitle);
        // The heading: the fixed columns down two rows, the groups under their caption.
        for (const char *range : {"A3:A4", "D3:D4", "E3:F3", "G3:G4"})
            QVERIFY2(sheet.merged.contains(QString::fromLatin1(range)), range);
        QCOMPARE(sheet.cells.value("E3").value, QStringLiteral("Масса металла по элементам конструкций, т"));
        QCOMPARE(sheet.cells.value("F4").value, QStringLiteral("Балки"));
        QCOMPARE(sheet.cells.value("G5").value, QStringLiteral("7"));
        // Body from row 6: 20Б1 of the columns, 0.51 t, a number; its row's total a formula.
        QCOMPARE(sheet.cells.value("A6").value, Beams);
        QCOMPARE(sheet.cells.value("C6").value, QStringLiteral("20Б1"));
        QCOMPARE(sheet.cells.value("E6").value.toDouble(), 0.51);
        QVERIFY(sheet.cells.value("E6").formula.isEmpty());
        QCOMPARE(sheet.cells.value("G6").formula, QStringLiteral("SUM(E6,F6)"));
        QCOMPARE(sheet.cells.value("G6").value.toDouble(), 1.02);
        // Row 8: the grade's total over the two beams.
        QCOMPARE(sheet.cells.value("C8").value, QStringLiteral("Итого:"));
        QCOMPARE(sheet.cells.value("E8").formula, QStringLiteral("SUM(E6:E7)"));
        QCOMPARE(sheet.cells.value("E8").value.toDouble(), 0.64);
        // Every formula's value is the sum of the values it names.
        int formulas = 0;
        for (auto it = sheet.cells.cbegin(); it != sheet.cells.cend(); ++it) {
            if (it->formula.isEmpty())
                continue;
            ++formulas;
            double sum = 0;
            const QString inside = it->formula.mid(4, it->formula.size() - 5);
            for (const QString &part : inside.split(QLatin1Char(','))) {
                const QStringList ends = part.split(QLatin1Char(':'));
                const QString column = ends.first().left(1);
                const int first = ends.first().mid(1).toInt();
                const int last = ends.last().mid(1).toInt();
                for (int r = first; r <= last; ++r)
                    sum += sheet.cells.value(column + QString::number(r)).value.toDouble();
            }
            QVERIFY2(qRound64(sum * 100) == qRound64(it->value.toDouble() * 100), qPrintable(it.key() + QLatin1Char(' ') + it->formula));
        }
        QVERIFY(formulas > 10);

        const WorkbookXml::Sheet fasteners = WorkbookXml::sheet(path, 2);
        QCOMPARE(fasteners.cells.value("A2").value, FastenerStatement::Title);
        QCOMPARE(fasteners.cells.value("C5").value.toDouble(), 12.0);
        QCOMPARE(fasteners.cells.value("D5").value.toDouble(), 0.129);
        QCOMPARE(fasteners.cells.value("E5").value.toDouble(), 1.548);
        QCOMPARE(fasteners.cells.value("E6").formula, QStringLiteral("SUM(E5)"));
    }

    // Four groups make the form 185 mm wide: the page turns.
    void wideFormIsLandscape()
    {
        const MetalForm::Form form = platform({"Колонны", "Балки", "Связи", "Фермы"});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wide.xlsx"));
        QVERIFY(BomExportPlugin::exporter(ProgramDir)->writeWorkbook(
            {SpecSheet::layout(SpecTables::metalForm(form, Project), QStringLiteral("ТСМ"))}, path, nullptr));
        QCOMPARE(WorkbookXml::sheet(path).orientation, QStringLiteral("landscape"));
    }
};

QTEST_MAIN(TestSpecWorkbook)
#include "tst_specworkbook.moc"
