// The technical specification of metal in the list window: its view beside the plain list, the
// marks given to the selected items and kept for the next ones, the line over the forms, the
// unit and the allowance line kept with the list, the foot of the window after every command,
// undo and redo included; and its three exports read back the way other programs read them:
// the workbook through its XML under the users' locale as under C, the PDF through poppler's
// text, the CSV.

#include "bom/bomexportplugin.h"
#include "bom/bomtablemodel.h"
#include "bom/bomwindow.h"
#include "bom/marksbar.h"
#include "bom/specpanel.h"
#include "externaltools.h"
#include "platformlist.h"
#include "recordingchooser.h"
#include "recordingmessages.h"
#include "workbookxml.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

namespace {

const QString ProgramDir = QStringLiteral(MORVEX_PROGRAM_DIR);

struct ListWindow
{
    explicit ListWindow(BillOfMaterials &list)
        : window(list, messages, [this]() -> BomKindRows & { return base.rows; }, ProgramDir)
    {
        window.setFileChooser(&files);
    }

    BaseFixture base;
    RecordingMessages messages;
    RecordingChooser files;
    BomWindow window;
};

void trigger(BomWindow &window, const char *name)
{
    QAction *action = window.findChild<QAction *>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    action->trigger();
}

// A platform's list with its line over the forms.
void fillPlatform(BillOfMaterials &list, BaseFixture &base)
{
    for (const BomItem &item : platformList(base))
        list.add(item);
    SpecSettings settings = list.settings();
    settings.spec.heading = {QStringLiteral("Площадка обслуживания"), QStringLiteral("КМ, лист 3")};
    list.setSettings(settings);
}

QStringList csvLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return {};
    return QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
}

} // namespace

class TestSpecExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        for (const char *tool : {"unzip", "pdftotext"})
            if (!ExternalTools::available(QString::fromLatin1(tool)))
                QSKIP("unzip and poppler-utils are not installed");
    }

    // The second view draws the form and the fasteners' statement, and follows the settings.
    void specificationView()
    {
        BaseFixture base;
        BillOfMaterials list;
        fillPlatform(list, base);
        ListWindow w(list);
        QCOMPARE(w.window.views()->count(), 2);
        QString text = w.window.specPanel()->text();
        for (const char *expected : {"Площадка обслуживания. КМ, лист 3", "Техническая спецификация металла",
                                     "Двутавры ГОСТ 26020-83", "С255 ГОСТ 27772-2015", "Всего масса металла:", "1,58",
                                     "Ведомость метизов", "Болт М16-6gx60.58 ГОСТ 7798-70"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        auto *unit = w.window.findChild<QComboBox *>(QStringLiteral("SpecUnit"));
        QCOMPARE(unit->currentIndex(), 1); // t with 2 decimals at first
        unit->setCurrentIndex(3);
        Q_EMIT unit->activated(3);
        QCOMPARE(list.settings().spec.form.unit, SpecMassUnit::Kilograms);
        text = w.window.specPanel()->text();
        QVERIFY2(text.contains(QStringLiteral("Общая масса, кг")) && text.contains(QStringLiteral("1567")), qPrintable(text));
        w.window.findChild<QLineEdit *>(QStringLiteral("SpecAllowanceCaption"))->setText(QStringLiteral("Сварные швы"));
        w.window.findChild<QDoubleSpinBox *>(QStringLiteral("SpecAllowancePercent"))->setValue(2);
        w.window.findChild<QCheckBox *>(QStringLiteral("SpecAllowance"))->setChecked(true);
        QVERIFY(list.settings().spec.form.allowance.on);
        QCOMPARE(list.settings().spec.form.allowance.caption, QStringLiteral("Сварные швы"));
        QVERIFY2(w.window.specPanel()->text().contains(QStringLiteral("Сварные швы")), qPrintable(w.window.specPanel()->text()));
    }

    // Marks for the selected lines at once, from the offered ones or typed; kept for the next;
    // the foot of the window tells each command, undo and redo.
    void marksAndTheFoot()
    {
        BaseFixture base;
        BillOfMaterials list;
        fillPlatform(list, base);
        ListWindow w(list);
        BomTableModel *model = w.window.model();
        w.window.selectItem(0);
        w.window.table()->selectionModel()->select(model->index(model->rowOf(2), 0),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
        w.window.marksBar()->grade()->setEditText(QStringLiteral("12Х18Н10Т"));
        w.window.marksBar()->group()->setEditText(QStringLiteral("Ригели"));
        trigger(w.window, "BomSetMarks");
        QCOMPARE(list.items().at(0).group, QStringLiteral("Ригели"));
        QCOMPARE(list.items().at(2).grade, QStringLiteral("12Х18Н10Т"));
        QCOMPARE(list.items().at(1).grade, QStringLiteral("С255"));
        QCOMPARE(list.nextGrade(), QStringLiteral("12Х18Н10Т"));
        QCOMPARE(list.nextGroup(), QStringLiteral("Ригели"));
        QCOMPARE(model->index(model->rowOf(0), BomTable::Grade).data().toString(), QStringLiteral("12Х18Н10Т, ρ 7,90"));
        QVERIFY2(w.window.status().contains(QStringLiteral("назначены строкам: 2")), qPrintable(w.window.status()));
        trigger(w.window, "BomUndo");
        QCOMPARE(list.items().at(0).group, QStringLiteral("Колонны"));
        QVERIFY2(w.window.status().startsWith(QStringLiteral("Отменено: марка и группа")), qPrintable(w.window.status()));
        trigger(w.window, "BomRedo");
        QCOMPARE(list.items().at(0).group, QStringLiteral("Ригели"));
        QVERIFY2(w.window.status().startsWith(QStringLiteral("Повторено: марка и группа")), qPrintable(w.window.status()));
        trigger(w.window, "BomRedo");
        QCOMPARE(w.window.status(), QStringLiteral("Повторять нечего."));
        QVERIFY(model->setData(model->index(model->rowOf(0), BomTable::Quantity), QStringLiteral("5")));
        QVERIFY2(w.window.status().startsWith(QStringLiteral("Количество: ")), qPrintable(w.window.status()));
        w.window.selectItem(6);
        trigger(w.window, "BomDelete");
        QVERIFY2(w.window.status().startsWith(QStringLiteral("Удаление: ")), qPrintable(w.window.status()));
    }

    // The three files of the specification, read back; the workbook under the users' locale,
    // whose decimal separator is a comma, as under C.
    void exports_data()
    {
        QTest::addColumn<QByteArray>("numeric");
        QTest::newRow("C") << QByteArray("C");
        QTest::newRow("ru_RU.UTF-8") << QByteArray("ru_RU.UTF-8");
    }
    void exports()
    {
        QFETCH(QByteArray, numeric);
        const QByteArray before = std::setlocale(LC_NUMERIC, nullptr);
        if (!std::setlocale(LC_NUMERIC, numeric.constData()))
            QSKIP("the locale is not installed");
        const auto restore = qScopeGuard([&before] { std::setlocale(LC_NUMERIC, before.constData()); });
        BaseFixture base;
        BillOfMaterials list;
        fillPlatform(list, base);
        ListWindow w(list);
        QTemporaryDir dir;

        w.files.toSave = dir.filePath(QStringLiteral("tsm.xlsx"));
        trigger(w.window, "SpecExportXlsx");
        QCOMPARE(w.messages.shown.size(), 0);
        const QString xml = QString::fromUtf8(WorkbookXml::part(w.files.toSave, QStringLiteral("xl/worksheets/sheet1.xml")));
        QVERIFY2(!QRegularExpression(QStringLiteral("<v>[^<]*,")).match(xml).hasMatch(), "a decimal comma in a number");
        const WorkbookXml::Sheet form = WorkbookXml::sheet(w.files.toSave);
        QCOMPARE(form.cells.value("A1").value, QStringLiteral("Площадка обслуживания"));
        QCOMPARE(form.cells.value("E1").value, QStringLiteral("КМ, лист 3"));
        QCOMPARE(form.cells.value("A6").value, QStringLiteral("Двутавры ГОСТ 26020-83"));
        QCOMPARE(form.cells.value("E6").value.toDouble(), 0.38);
        QCOMPARE(form.orientation, QStringLiteral("landscape")); // 100 + 4 × 15 + 25 = 185 mm
        int sums = 0;
        for (const WorkbookXml::Cell &cell : form.cells)
            sums += cell.formula.startsWith(QStringLiteral("SUM("));
        QVERIFY(sums > 10);
        QCOMPARE(WorkbookXml::sheet(w.files.toSave, 2).cells.value("A2").value, FastenerStatement::Title);

        w.files.toSave = dir.filePath(QStringLiteral("tsm.pdf"));
        trigger(w.window, "SpecExportPdf");
        const QString pdf = QString::fromUtf8(ExternalTools::run(QStringLiteral("pdftotext"),
                                                                 {QStringLiteral("-layout"), w.files.toSave, QStringLiteral("-")}));
        // The long texts wrap within their cells: their words are looked for.
        for (const char *expected : {"Техническая спецификация металла", "Двутавры", "26020-83", "L63×5",
                                     "Всего масса металла:", "1,58", "Ведомость метизов", "Гайка М16-6H.5"})
            QVERIFY2(pdf.contains(QString::fromUtf8(expected)), expected);

        w.files.toSave = dir.filePath(QStringLiteral("tsm.csv"));
        trigger(w.window, "SpecExportCsv");
        const QStringList lines = csvLines(w.files.toSave);
        QVERIFY(lines.size() > 20);
        QCOMPARE(lines.at(0), QStringLiteral("Площадка обслуживания;КМ, лист 3"));
        QVERIFY2(lines.contains(QStringLiteral("Прокат листовой ГОСТ 19903-74;С255 ГОСТ 27772-2015;'-8;10;;;;0,57;0,57")),
                 qPrintable(lines.join(QLatin1Char('\n'))));
        QCOMPARE(w.window.status(), QStringLiteral("Записано в %1").arg(w.files.toSave));
    }
};

QTEST_MAIN(TestSpecExport)
#include "tst_specexport.moc"
