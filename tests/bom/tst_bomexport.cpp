// The exports read back the way other programs read them: the workbook through its XML (unzip),
// the PDF and the print through its pages and text (poppler's pdfinfo and pdftotext). The
// workbook and the print go through the export plugin of the build's program directory; without
// a sound plugin either command says so once and the window goes on.

#include "basefixture.h"
#include "bom/bomexportplugin.h"
#include "bom/bomprint.h"
#include "bom/bomwindow.h"
#include "bom/sheettextlimit.h"
#include "externaltools.h"
#include "platform/writefault.h"
#include "tinyfilesystem.h"
#include "recordingchooser.h"
#include "recordingmessages.h"
#include "recordingprinter.h"
#include "workbookxml.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QLibraryInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QScopeGuard>

#include <algorithm>
#include <clocale>

namespace {

const QString ProgramDir = QStringLiteral(MORVEX_PROGRAM_DIR);

struct Items
{
    BaseFixture base;
    BomItem angle(double pieces = 10) { return base.item(BaseFixture::kind(2, 10), {"50", "5"}, {0, 6000, pieces, 0}); }
    BomItem bolt() { return base.item(BaseFixture::kind(4, 8), {"12", "60"}, {0, 0, 100, 0}); }
    BomItem mesh() { return base.item(BaseFixture::kind(3, 4), {"5"}, {0, 0, 0, 12.5}, ProductOption::Rhombic); }
};

// angle ×10, angle ×1 (of another group, so a line of its own), bolts ×100, mesh 12.5 m²:
// 226.2 + 22.62, 100 × 0.068 = 6.8, 56.5 kg
void fill(BillOfMaterials &list, Items &items)
{
    list.add(items.angle());
    list.add(items.bolt());
    list.add(items.mesh());
    BomItem bracing = items.angle(1);
    bracing.group = QStringLiteral("Связи");
    list.add(bracing);
}

// The list window over a list, with the file and printer questions answered by the test and
// the export plugin looked for in the program directory given.
struct ListWindow
{
    explicit ListWindow(BillOfMaterials &list, const QString &programDir = ProgramDir)
        : window(list, messages, [this]() -> BomKindRows & { return base.rows; }, programDir)
    {
        window.setFileChooser(&files);
        window.setPrinterChooser(&printer);
    }

    BaseFixture base;
    RecordingMessages messages;
    RecordingChooser files;
    RecordingPrinter printer;
    BomWindow window;
};

using Cell = WorkbookXml::Cell;

// The first sheet's cells by reference ("H5"), shared strings resolved.
QMap<QString, Cell> readSheet(const QString &path, QString *pageSetup = nullptr, QStringList *merged = nullptr)
{
    const WorkbookXml::Sheet sheet = WorkbookXml::sheet(path);
    if (pageSetup)
        *pageSetup = sheet.paperSize;
    if (merged)
        *merged = sheet.merged;
    return sheet.cells;
}

int pageCount(const QString &pdf)
{
    const QString info = QString::fromUtf8(ExternalTools::run(QStringLiteral("pdfinfo"), {pdf}));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pageSize(const QString &pdf)
{
    const QString info = QString::fromUtf8(ExternalTools::run(QStringLiteral("pdfinfo"), {pdf}));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Page size:\\s+(.*)")).match(info);
    return m.captured(1).trimmed();
}

QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return QString::fromUtf8(ExternalTools::run(QStringLiteral("pdftotext"),
                                                {QStringLiteral("-layout"), QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")}));
}

// A line of the text that holds all these words in this order.
bool hasLine(const QString &text, const QStringList &words)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        qsizetype at = 0;
        bool all = true;
        for (const QString &w : words) {
            at = line.indexOf(w, at);
            if (at < 0) {
                all = false;
                break;
            }
            at += w.size();
        }
        if (all)
            return true;
    }
    return false;
}

} // namespace

class TestBomExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        for (const char *tool : {"unzip", "pdfinfo", "pdftotext"})
            if (!ExternalTools::available(QString::fromLatin1(tool)))
                QSKIP("unzip and poppler-utils are not installed");
    }

    // The workbook: title, headings, a merged heading line per standard, the items' figures as
    // numbers at full precision, the subtotals and totals as formulas with their values, A4.
    void workbook()
    {
        Items items;
        BillOfMaterials list;
        fill(list, items);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.xlsx"));
        ListWindow w(list);
        w.files.toSave = path;
        w.window.exportXlsx();
        QCOMPARE(w.messages.shown.size(), 0);
        QCOMPARE(w.files.filters, QStringList{QStringLiteral("Книга Excel (*.xlsx)|xlsx")});
        QCOMPARE(w.window.status(), QStringLiteral("Записано в %1").arg(QDir::toNativeSeparators(path)));
        QString paper;
        QStringList merged;
        const QMap<QString, Cell> c = readSheet(path, &paper, &merged);
        QCOMPARE(paper, QStringLiteral("9"));
        QCOMPARE(c.value("A1").value, QStringLiteral("Спецификация"));
        QCOMPARE(c.value("B2").value, QStringLiteral("Наименование"));
        QCOMPARE(c.value("E2").value, QStringLiteral("Длина, мм / площадь, м2"));
        QCOMPARE(c.value("H2").value, QStringLiteral("Масса, кг"));
        // Rows: 3 heading, 4-5 angles, 6 subtotal, 7 heading, 8 bolt, 9 subtotal, 10 heading,
        // 11 mesh, 12 subtotal, 13 total kg, 14 total t.
        QCOMPARE(c.value("A3").value, QStringLiteral("ГОСТ 8509-93"));
        QVERIFY(merged.contains(QStringLiteral("A3:H3")));
        QCOMPARE(c.value("A4").value.toDouble(), 1.0);
        QCOMPARE(c.value("B4").value, QStringLiteral("Уголок равнобокий"));
        QCOMPARE(c.value("D4").value, QStringLiteral("L50×5"));
        QCOMPARE(c.value("E4").value.toDouble(), 6000.0);
        QCOMPARE(c.value("F4").value.toDouble(), 10.0);
        QCOMPARE(c.value("G4").value.toDouble(), 22.62);
        QCOMPARE(c.value("H4").value.toDouble(), 226.2);
        QCOMPARE(c.value("F5").value.toDouble(), 1.0);
        QCOMPARE(c.value("A6").value, QStringLiteral("Итого по ГОСТ 8509-93"));
        QCOMPARE(c.value("H6").formula, QStringLiteral("SUM(H4:H5)"));
        QCOMPARE(c.value("H6").value.toDouble(), 248.82);
        QCOMPARE(c.value("D8").value, QStringLiteral("М12-6gx60.58"));
        QVERIFY(c.value("E8").value.isEmpty());
        // As printed, so that the line multiplies out: 100 × 0,068 (of 0,06755 kg).
        QCOMPARE(c.value("G8").value.toDouble(), 0.068);
        QCOMPARE(c.value("H8").value.toDouble(), 6.8);
        QCOMPARE(c.value("H9").formula, QStringLiteral("SUM(H8:H8)"));
        QCOMPARE(c.value("E11").value.toDouble(), 12.5);
        QVERIFY(c.value("F11").value.isEmpty());
        QCOMPARE(c.value("A13").value, QStringLiteral("Всего, кг"));
        QCOMPARE(c.value("H13").formula, QStringLiteral("H6+H9+H12"));
        QCOMPARE(c.value("H13").value.toDouble(), 248.82 + 6.8 + 56.5);
        QCOMPARE(c.value("A14").value, QStringLiteral("Всего, т"));
        QCOMPARE(c.value("H14").formula, QStringLiteral("H13/1000"));
        QCOMPARE(c.value("H14").value.toDouble(), (248.82 + 6.8 + 56.5) / 1000);
        QVERIFY(!c.contains(QStringLiteral("A15")));

        // A file that cannot be written: one message that names it and why.
        w.files.toSave = dir.filePath(QStringLiteral("no/such/dir/list.xlsx"));
        w.window.exportXlsx();
        QCOMPARE(w.messages.shown.size(), 1);
        const QString text = w.messages.shown.first().text;
        QVERIFY2(text.startsWith(QStringLiteral("Не могу записать файл %1: ").arg(QDir::toNativeSeparators(w.files.toSave))),
                 qPrintable(text));
        QVERIFY2(!text.endsWith(QStringLiteral(": ")), qPrintable(text));
        QVERIFY(!QFileInfo::exists(w.files.toSave));
    }

    // Under a locale whose decimal separator is a comma (every Russian desktop) the workbook's
    // XML still holds its numbers, column widths and margins with a point, as spreadsheets read
    // them; the user's numeric locale is left as it was.
    void workbookNumbersWhateverTheLocale()
    {
        const QByteArray before = std::setlocale(LC_NUMERIC, nullptr);
        if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"))
            QSKIP("the locale ru_RU.UTF-8 is not installed");
        const auto restore = qScopeGuard([&before] { std::setlocale(LC_NUMERIC, before.constData()); });
        Items items;
        BillOfMaterials list;
        fill(list, items);
        QTemporaryDir dir;
        ListWindow w(list);
        w.files.toSave = dir.filePath(QStringLiteral("list.xlsx"));
        w.window.exportXlsx();
        QCOMPARE(w.messages.shown.size(), 0);
        QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray("ru_RU.UTF-8"));

        const QString sheet = QString::fromUtf8(WorkbookXml::part(w.files.toSave, QStringLiteral("xl/worksheets/sheet1.xml")));
        QVERIFY(sheet.contains(QStringLiteral("<cols>")));
        const QRegularExpressionMatch comma = QRegularExpression(QStringLiteral("\\d,\\d")).match(sheet);
        QVERIFY2(!comma.hasMatch(), qPrintable(sheet.mid(std::max<qsizetype>(0, comma.capturedStart() - 60), 120)));
        const QMap<QString, Cell> c = readSheet(w.files.toSave);
        QCOMPARE(c.value("H4").value.toDouble(), 226.2);
        QCOMPARE(c.value("G8").value.toDouble(), 0.068);
    }

    // The PDF: A4, the title and the grouped table with its subtotals and totals as text.
    void pdf()
    {
        Items items;
        BillOfMaterials list;
        fill(list, items);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.pdf"));
        QVERIFY(BomPrint::writePdf(list, path));
        QCOMPARE(pageCount(path), 1);
        QVERIFY2(pageSize(path).contains(QStringLiteral("(A4)")), qPrintable(pageSize(path)));
        const QString text = pageText(path, 1);
        QVERIFY2(text.contains(QStringLiteral("Спецификация")), qPrintable(text));
        QVERIFY(hasLine(text, {"Наименование", "Стандарт", "Размер"}));
        QVERIFY(hasLine(text, {"1", "Уголок равнобокий", "ГОСТ 8509-93", "L50×5", "6000", "10", "22,620", "226,200"}));
        QVERIFY(hasLine(text, {"Итого по ГОСТ 8509-93", "248,820"}));
        // A long name wraps within its cell.
        QVERIFY(hasLine(text, {"3", "ГОСТ 7798-70", "М12-6gx60.58", "100", "0,068", "6,800"}));
        QVERIFY(hasLine(text, {"Болты с шестигранной"}) && hasLine(text, {"головкой класса точности В"}));
        QVERIFY(hasLine(text, {"4", "ГОСТ 5336-80", "5-1,2 (ромб)", "12,5", "4,520", "56,500"}));
        QVERIFY(hasLine(text, {"Всего, кг", "312,120"}));
        QVERIFY(hasLine(text, {"Всего, т", "0,312"}));
        QVERIFY(hasLine(text, {"Лист 1 из 1"}));
        QVERIFY(!BomPrint::writePdf(list, dir.filePath(QStringLiteral("no/such/dir/list.pdf"))));
    }

    // A long list runs over pages: each page has the headings and its number, the totals
    // close the last one.
    void pdfOfManyPages()
    {
        Items items;
        BillOfMaterials list;
        // Each of a group of its own: the same item added again would add to one line.
        for (int i = 1; i <= 150; ++i) {
            BomItem angle = items.angle(i);
            angle.group = QStringLiteral("Г%1").arg(i);
            list.add(angle);
        }
        list.add(items.bolt());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.pdf"));
        QVERIFY(BomPrint::writePdf(list, path));
        const int pages = pageCount(path);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        for (int p = 1; p <= pages; ++p) {
            const QString text = pageText(path, p);
            QVERIFY2(hasLine(text, {"Наименование", "Масса, кг"}), qPrintable(QString::number(p)));
            QVERIFY(hasLine(text, {QStringLiteral("Лист %1 из %2").arg(p).arg(pages)}));
            QCOMPARE(text.contains(QStringLiteral("Всего, кг")), p == pages);
        }
        // 6 m × 3.77 kg/m × (1 + ... + 150) pieces = 22.62 × 11325 kg
        QVERIFY(hasLine(pageText(path, pages), {"Итого по ГОСТ 8509-93", "256171,500"}));
        QVERIFY(pageText(path, 1).contains(QStringLiteral("Спецификация")));
    }

    // Printing goes through the printer the user chose, set up for A4 portrait with margins of
    // 15 mm; a cancelled print prints nothing.
    void print()
    {
        Items items;
        BillOfMaterials list;
        fill(list, items);
        ListWindow w(list);
        QTemporaryDir dir;
        w.window.print();
        QCOMPARE(w.printer.asked, 1);
        QVERIFY(dir.isValid() && QDir(dir.path()).isEmpty());
        QVERIFY(w.window.status().isEmpty());
        QCOMPARE(w.printer.documentName, QStringLiteral("Спецификация"));
        QCOMPARE(w.printer.layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(w.printer.layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(w.printer.layout.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));

        w.printer.printTo = dir.filePath(QStringLiteral("printed.pdf"));
        w.window.print();
        QCOMPARE(pageCount(w.printer.printTo), 1);
        QVERIFY(pageSize(w.printer.printTo).contains(QStringLiteral("(A4)")));
        QVERIFY(hasLine(pageText(w.printer.printTo, 1), {"Итого по ГОСТ 8509-93", "248,820"}));
        QCOMPARE(w.window.status(), QStringLiteral("Напечатано листов: 1"));
        QVERIFY(w.messages.shown.isEmpty());
    }

    // Without a sound export plugin the workbook and the print each say so in one message that
    // names the plugin, before any question is asked; the PDF, drawn by the program itself,
    // is still written, and a second try says it again.
    void withoutThePluginEachCommandSaysSoOnce_data()
    {
        QTest::addColumn<QByteArray>("plugin");
        QTest::addColumn<QString>("copiedFrom");
        QTest::newRow("missing") << QByteArray() << QString();
        QTest::newRow("damaged") << QByteArray("\x7f" "ELF cut short", 13) << QString();
        QTest::newRow("empty") << QByteArray("") << QString();
        // A sound Qt plugin of another kind: loaded, but it exports nothing.
        QTest::newRow("not an export plugin") << QByteArray()
                                              << QLibraryInfo::path(QLibraryInfo::PluginsPath)
                                                     + QStringLiteral("/sqldrivers/libqsqlite.so");
    }
    void withoutThePluginEachCommandSaysSoOnce()
    {
        QFETCH(QByteArray, plugin);
        QFETCH(QString, copiedFrom);
        QTemporaryDir program;
        const QString pluginFile = BomExportPlugin::path(program.path());
        QVERIFY(QDir().mkpath(QFileInfo(pluginFile).path()));
        if (!copiedFrom.isEmpty()) {
            QVERIFY2(QFile::copy(copiedFrom, pluginFile), qPrintable(copiedFrom));
        } else if (!plugin.isNull()) {
            QFile file(pluginFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(plugin), plugin.size());
        }

        Items items;
        BillOfMaterials list;
        fill(list, items);
        ListWindow w(list, program.path());
        QTemporaryDir out;
        w.files.toSave = out.filePath(QStringLiteral("list.xlsx"));
        w.printer.printTo = out.filePath(QStringLiteral("printed.pdf"));
        const QString named = QStringLiteral("модуль экспорта и печати %1 не найден или повреждён. Установите программу заново.")
                                  .arg(QDir::toNativeSeparators(pluginFile));

        w.window.exportXlsx();
        QCOMPARE(w.messages.shown.size(), 1);
        QCOMPARE(w.messages.shown.at(0).text, QStringLiteral("Не могу записать спецификацию в Excel: ") + named);
        QCOMPARE(w.messages.shown.at(0).icon, UserMessages::Icon::Critical);
        QVERIFY(w.files.filters.isEmpty());

        w.window.print();
        QCOMPARE(w.messages.shown.size(), 2);
        QCOMPARE(w.messages.shown.at(1).text, QStringLiteral("Не могу напечатать спецификацию: ") + named);
        QCOMPARE(w.printer.asked, 0);
        QVERIFY(QDir(out.path()).isEmpty());
        QVERIFY(w.window.status().isEmpty());

        w.files.toSave = out.filePath(QStringLiteral("list.pdf"));
        w.window.exportPdf();
        QCOMPARE(pageCount(w.files.toSave), 1);
        w.window.exportXlsx();
        QCOMPARE(w.messages.shown.size(), 3);
        QCOMPARE(w.messages.shown.at(2).text, w.messages.shown.at(0).text);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{QStringLiteral("list.pdf")});
    }

    // An export over an existing file on a full disk (simulated under the writer, or a real
    // full tmpfs) never damages the file it would replace, and says it failed, never that it
    // wrote.
    void anExportNeverDamagesTheFileItReplaces_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("real");
        QTest::addColumn<QString>("failed");
        for (const bool real : {false, true}) {
            const char *disk = real ? "a full tmpfs" : "a simulated full disk";
            QTest::addRow("CSV, %s", disk) << "csv" << real << "Не могу сохранить файл %1: ";
            QTest::addRow("PDF, %s", disk) << "pdf" << real << "Не могу записать файл %1: ";
            QTest::addRow("XLSX, %s", disk) << "xlsx" << real << "Не могу записать файл %1: ";
        }
    }
    void anExportNeverDamagesTheFileItReplaces()
    {
        QFETCH(QString, command);
        QFETCH(bool, real);
        QFETCH(QString, failed);
        TinyFileSystem disk(256);
        if (real && !disk.mounted())
            QSKIP("a tmpfs cannot be mounted here (it needs root in the test's namespace)");
        QTemporaryDir dir;
        const QString folder = real ? disk.path() : dir.path();
        const QString path = folder + QStringLiteral("/list.") + command;
        const QByteArray before(3000, 'o');
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            QCOMPARE(old.write(before), before.size());
        }
        Items items;
        BillOfMaterials list;
        fill(list, items);
        ListWindow w(list);
        w.files.toSave = path;
        std::optional<WriteFault> full;
        if (real)
            QVERIFY(disk.fill());
        else
            full.emplace(100);
        if (command == QStringLiteral("csv"))
            w.window.saveAs();
        else if (command == QStringLiteral("pdf"))
            w.window.exportPdf();
        else
            w.window.exportXlsx();
        full.reset();
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
        QCOMPARE(w.messages.shown.size(), 1);
        const QString text = w.messages.shown.first().text;
        QVERIFY2(text.startsWith(failed.arg(QDir::toNativeSeparators(path))), qPrintable(text));
        if (!real || command != QStringLiteral("xlsx")) // the workbook library's own words
            QVERIFY2(text.endsWith(QStringLiteral("на диске нет места")), qPrintable(text));
        QVERIFY(w.window.status().isEmpty());
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        left.removeAll(QStringLiteral("filler"));
        QCOMPARE(left, QStringList{QFileInfo(path).fileName()});
    }

    // A text longer than a workbook's cell holds is cut with a mark, and the status says so;
    // the rest of the sheet is written as ever.
    void aWorkbookCellTooLongIsCutVisibly()
    {
        Items items;
        BillOfMaterials list;
        BomItem angle = items.angle();
        // Characters beyond the 16-bit range count once, as the workbook counts them.
        angle.name = QStringLiteral("Уголок ") + QString::fromUcs4(U"\U0001F529").repeated(40000);
        list.add(angle);
        list.add(items.bolt());
        QTemporaryDir dir;
        ListWindow w(list);
        w.files.toSave = dir.filePath(QStringLiteral("long.xlsx"));
        w.window.exportXlsx();
        QVERIFY(w.messages.shown.isEmpty());
        QVERIFY2(w.window.status().contains(QStringLiteral("обрезан в ячейках: 1")), qPrintable(w.window.status()));
        const QMap<QString, Cell> c = readSheet(w.files.toSave);
        const QString cut = c.value("B4").value;
        QCOMPARE(cut.toUcs4().size(), qsizetype(SheetTextLimit::MaxCharacters));
        QVERIFY(cut.startsWith(QStringLiteral("Уголок ")));
        QVERIFY(cut.endsWith(SheetTextLimit::cutMark()));
        QCOMPARE(c.value("D7").value, QStringLiteral("М12-6gx60.58"));
    }

    // A name typed in the file dialog, quoted or not, names a file in the folder the dialog
    // shows, never one in the program's working folder.
    void aTypedNameIsInTheDialogsFolder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "1.pdf" << "1.pdf";
        QTest::newRow("in double quotes") << "\"1.pdf\"" << "1.pdf";
        QTest::newRow("in double quotes, no suffix") << "\"список\"" << "список.pdf";
    }
    void aTypedNameIsInTheDialogsFolder()
    {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QTemporaryDir folder;
        QTemporaryDir working;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(working.path()));
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setDirectory(folder.path());
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        DialogFileChooser chooser;
        const QString path = chooser.saveFile(nullptr, QStringLiteral("Спецификация в PDF"),
                                              QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf"));
        QDir::setCurrent(before);
        QCOMPARE(path, QDir(folder.path()).absoluteFilePath(file));
    }

    // The workbook's failures are told in the program's words, never the library's English.
    void workbookFailuresInTheProgramsWords_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a missing folder") << "no/such/list.xlsx" << "папки %1 нет";
        QTest::newRow("a folder in its place") << "folder.xlsx" << "на месте файла стоит папка";
    }
    void workbookFailuresInTheProgramsWords()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.xlsx")));
        Items items;
        BillOfMaterials list;
        fill(list, items);
        ListWindow w(list);
        w.files.toSave = dir.filePath(name);
        w.window.exportXlsx();
        QCOMPARE(w.messages.shown.size(), 1);
        const QString expected = reason.contains(QStringLiteral("%1"))
                                     ? reason.arg(QDir::toNativeSeparators(QFileInfo(w.files.toSave).absolutePath()))
                                     : reason;
        QCOMPARE(w.messages.shown.first().text, QStringLiteral("Не могу записать файл %1: %2")
                                                    .arg(QDir::toNativeSeparators(w.files.toSave), expected));
    }
};

QTEST_MAIN(TestBomExport)
#include "tst_bomexport.moc"
