// The specification's tables as they are drawn and written: the form's heading (the group
// columns under their common caption, the numbering row), totals whose figures are the sums of
// the figures they name, the PDF read back with poppler (its text, its pages, portrait or
// landscape by the number of group columns, the heading on every page) and the CSV.

#include "../bom/externaltools.h"
#include "bom/speccsv.h"
#include "steelspec/specprint.h"
#include "steelspec/spectables.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Beams = QStringLiteral("Двутавры ГОСТ 26020-83");
const QString Sheet = QStringLiteral("Прокат листовой ГОСТ 19903-74");
const SpecTables::Heading Project{QStringLiteral("Площадка обслуживания насосной"), QStringLiteral("КМ, лист 3")};

MetalForm::Line line(const QString &profile, int order, const char *grade, const QString &size, int sizeOrder,
                     const char *group, double kg)
{
    return {profile, order, QString::fromUtf8(grade), size, sizeOrder, QString::fromUtf8(group), kg};
}

// Lines over the given groups, `sizes` beams of each.
QList<MetalForm::Line> lines(const QStringList &groups, int sizes = 2)
{
    QList<MetalForm::Line> all;
    for (const QString &group : groups)
        for (int s = 0; s < sizes; ++s)
            all.append(line(Beams, 1, "С255", QStringLiteral("%1Б1").arg(20 + 2 * s), s, group.toUtf8().constData(),
                            123.4 + s));
    all.append(line(Sheet, 30, "С345", QStringLiteral("-8×1500×3000"), 8, "Площадки", 282.6));
    return all;
}

QString pdfInfo(const QString &path)
{
    return QString::fromUtf8(ExternalTools::run(QStringLiteral("pdfinfo"), {path}));
}

QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return QString::fromUtf8(ExternalTools::run(
        QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")}));
}

} // namespace

class TestSpecOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        for (const char *tool : {"pdfinfo", "pdftotext"})
            if (!ExternalTools::available(QString::fromLatin1(tool)))
                QSKIP("poppler-utils are not installed");
    }

    void formHeading()
    {
        const MetalForm::Form form = MetalForm::make(lines({"Колонны", "Балки"}));
        const SpecTable table = SpecTables::metalForm(form, Project);
        QCOMPARE(table.columnWidthsMm, (QList<double>{30, 30, 30, 10, 15, 15, 15, 25}));
        QCOMPARE(table.heading.size(), 3);
        const SpecRow &top = table.heading.at(0);
        QCOMPARE(top.at(0).text, QStringLiteral("Наименование профиля, ГОСТ, ТУ"));
        QCOMPARE(top.at(1).text, QStringLiteral("Наименование или марка металла, ГОСТ, ТУ"));
        QCOMPARE(top.at(2).text, QStringLiteral("Номер или размеры профиля, мм"));
        QCOMPARE(top.at(3).text, QStringLiteral("№ п.п."));
        QCOMPARE(top.at(4).text, QStringLiteral("Масса металла по элементам конструкций, т"));
        QCOMPARE(top.at(4).columnSpan, 3);
        QVERIFY(top.at(5).covered && top.at(6).covered);
        QCOMPARE(top.at(7).text, QStringLiteral("Общая масса, т"));
        QCOMPARE(top.at(7).rowSpan, 2);
        const SpecRow &groups = table.heading.at(1);
        QCOMPARE(groups.at(4).text, QStringLiteral("Колонны"));
        QCOMPARE(groups.at(5).text, QStringLiteral("Балки"));
        QCOMPARE(groups.at(6).text, QStringLiteral("Площадки"));
        QVERIFY(groups.at(0).covered && groups.at(7).covered);
        for (int c = 0; c < 8; ++c)
            QCOMPARE(table.heading.at(2).at(c).text, QString::number(c + 1));
        MetalForm::Settings kilograms;
        kilograms.unit = SpecMassUnit::Kilograms;
        const SpecTable inKg = SpecTables::metalForm(MetalForm::make(lines({"Балки"}), kilograms), Project);
        QCOMPARE(inKg.heading.at(0).last().text, QStringLiteral("Общая масса, кг"));
        QCOMPARE(inKg.decimals, 0);
    }

    // Every figure that names cells it adds up is their sum, to the printed digit; in the three
    // tables.
    void totalsNameTheirCells()
    {
        const MetalForm::Form form = MetalForm::make(lines({"Колонны", "Балки", "Связи"}, 3));
        const FastenerStatement::Statement fasteners = FastenerStatement::make(
            {{"Болт М16-6gx60.58 ГОСТ 7798-70", "ГОСТ 7798-70", 1, 1, 8, 0.129},
             {"Гайка М16-6H.5 ГОСТ 5915-70", "ГОСТ 5915-70", 2, 1, 12, 0.0376}});
        const SteelUseStatement::Statement steel = SteelUseStatement::make(
            {{"Арматура А500С ГОСТ 34028-2016", 1, "⌀12", 12, 10.64}, {"Арматура А500С ГОСТ 34028-2016", 1, "⌀10", 10, 3.04},
             {"Проволока ГОСТ 3282-74", 2, "⌀4", 4, 2.04}});
        int totals = 0;
        for (const SpecTable &table : {SpecTables::metalForm(form, Project), SpecTables::fasteners(fasteners, Project),
                                       SpecTables::steelUse(steel, Project)}) {
            const double scale = std::pow(10.0, table.decimals);
            for (const SpecRow &row : table.body) {
                for (const SpecCell &cell : row) {
                    if (cell.sumOf.isEmpty())
                        continue;
                    ++totals;
                    QVERIFY(cell.number);
                    qint64 sum = 0;
                    for (const QPoint &at : cell.sumOf) {
                        const SpecCell &part = table.body.at(at.y()).at(at.x());
                        QVERIFY2(part.number, qPrintable(part.text));
                        sum += qRound64(*part.number * scale);
                    }
                    QVERIFY2(sum == qRound64(*cell.number * scale), qPrintable(table.title + QLatin1Char(' ') + cell.text));
                    QCOMPARE(cell.text, QLocale().toString(*cell.number, 'f', table.decimals));
                }
            }
        }
        QVERIFY(totals > 20);
    }

    // Portrait while the columns fit across A4 (three groups: 170 mm), landscape beyond.
    void pdfPages_data()
    {
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("two groups and the platforms") << QStringList{"Колонны", "Балки"} << false;
        QTest::newRow("four groups and the platforms") << QStringList{"Колонны", "Балки", "Связи", "Фермы"} << true;
    }
    void pdfPages()
    {
        QFETCH(QStringList, groups);
        QFETCH(bool, landscape);
        QTemporaryDir dir;
        const QString path = qEnvironmentVariableIsSet("MORVEX_KEEP_PDF") ? qEnvironmentVariable("MORVEX_KEEP_PDF") + QString::number(landscape) + QStringLiteral(".pdf") : dir.filePath(QStringLiteral("tsm.pdf"));
        const MetalForm::Form form = MetalForm::make(lines(groups));
        QString error;
        QVERIFY2(SpecPrint::writePdf({SpecTables::metalForm(form, Project)}, path, &error), qPrintable(error));
        const QString info = pdfInfo(path);
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts \\(A4\\)")).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        QCOMPARE(size.captured(1).toDouble() > size.captured(2).toDouble(), landscape);
        const QString text = pageText(path, 1);
        for (const QString &expected : {Project.project, Project.sheet, QStringLiteral("Техническая спецификация металла"),
                                        QStringLiteral("Всего масса металла:"), QStringLiteral("Всего профиля:"),
                                        QStringLiteral("Итого:"), QStringLiteral("20Б1"), QStringLiteral("0,12"),
                                        QStringLiteral("С255 ГОСТ"), QStringLiteral("С345 ГОСТ")})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral("\n") + text));
    }

    // A long form runs over pages, each under the form's heading, the pages counted at the foot;
    // the statements follow on pages of their own.
    void pdfHeadingOnEveryPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.pdf"));
        const MetalForm::Form form = MetalForm::make(lines({"Колонны", "Балки"}, 60));
        const FastenerStatement::Statement fasteners =
            FastenerStatement::make({{"Болт М16-6gx60.58 ГОСТ 7798-70", "ГОСТ 7798-70", 1, 1, 8, 0.129}});
        QVERIFY(SpecPrint::writePdf({SpecTables::metalForm(form, Project), SpecTables::fasteners(fasteners, Project)}, path));
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(path));
        const int count = pages.captured(1).toInt();
        QVERIFY2(count >= 3, qPrintable(pdfInfo(path)));
        for (int page = 1; page < count; ++page) {
            const QString text = pageText(path, page);
            QVERIFY2(text.contains(QStringLiteral("п.п.")), qPrintable(text.left(1500)));
            QVERIFY2(text.contains(QStringLiteral("Лист %1 из %2").arg(page).arg(count)), qPrintable(text.right(200)));
        }
        const QString last = pageText(path, count);
        QVERIFY2(last.contains(QStringLiteral("Ведомость метизов")), qPrintable(last));
        QVERIFY(last.contains(QStringLiteral("Болт М16-6gx60.58 ГОСТ 7798-70")));
        QVERIFY(!last.contains(QStringLiteral("п.п.")));
    }

    // CSV: the project line, the title, the headings, the rows, with the file's decimal commas
    // whatever the user's locale.
    void csv()
    {
        QLocale::setDefault(QLocale::c());
        const MetalForm::Form form = MetalForm::make(lines({"Балки"}, 1));
        const QByteArray file = SpecCsv::write({SpecTables::metalForm(form, Project, SpecCsv::fileLocale())});
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(file.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(file.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.at(0), QStringLiteral("Площадка обслуживания насосной;КМ, лист 3"));
        QCOMPARE(lines.at(1), QStringLiteral("Техническая спецификация металла"));
        QVERIFY2(lines.at(2).startsWith(QStringLiteral("Наименование профиля, ГОСТ, ТУ;Наименование или марка")),
                 qPrintable(lines.at(2)));
        QCOMPARE(lines.at(4), QStringLiteral("1;2;3;4;5;6;7"));
        QCOMPARE(lines.at(5), QStringLiteral("Двутавры ГОСТ 26020-83;С255 ГОСТ 27772-2015;20Б1;1;0,12;;0,12"));
        QVERIFY2(lines.contains(QStringLiteral("Всего масса металла:;;;7;0,12;0,28;0,40")), qPrintable(lines.join(QLatin1Char('\n'))));
        // A sheet's size begins with a minus: a spreadsheet would take it for a formula.
        QVERIFY2(lines.contains(QStringLiteral("Прокат листовой ГОСТ 19903-74;С345 ГОСТ 27772-2015;'-8×1500×3000;4;;0,28;0,28")),
                 qPrintable(lines.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestSpecOutput)
#include "tst_specoutput.moc"
