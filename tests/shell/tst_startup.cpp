// The program's start-up as the program runs it, in a process of its own: the application
// carries the desktop entry's names, so the taskbar matches its window to the menu entry; the
// main window built, loaded and shown maps no library of Qt Multimedia or of its GStreamer
// backend, nor Qt Print Support, libxlsxwriter, minizip or libcrypto, nor Qt's image-format
// plugins; the first come with the player plugin when the About window first opens (shown by
// about_mediaplugin, in a process of its own), the next with the export plugin when the
// materials list is first exported as a workbook.

#include "../bom/recordingchooser.h"
#include "bom/bomfeature.h"
#include "bom/bomwindow.h"
#include "shell/form1.h"
#include "shell/systemservices.h"
#include "mappedfiles.h"
#include "testwindow.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The entries of a desktop file's [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, QString> entries;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            entries.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return entries;
}

// The untranslated texts of an AppStream file's elements by their names, "id" and "launchable"
// among them.
QHash<QString, QString> appStreamTexts(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<QString, QString> texts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && !xml.attributes().hasAttribute(QLatin1String("xml:lang"))
            && xml.name() != QLatin1String("component"))
            texts.insert(xml.name().toString(), xml.readElementText(QXmlStreamReader::SkipChildElements));
    }
    return texts;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        SystemServices::prepareApplication();
        m_main = std::make_unique<Form1>(m_env.environment);
        QVERIFY(m_main->Form_Load());
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        QCoreApplication::processEvents();
    }

    void desktopEntryNamesTheWindow()
    {
        const QString id = QGuiApplication::desktopFileName();
        QVERIFY(!id.isEmpty());
        const QString packaging = QStringLiteral(MORVEX_SOURCE_DIR "packaging/");
        const QHash<QString, QString> entry = desktopEntry(packaging + id + QStringLiteral(".desktop"));
        QVERIFY2(!entry.isEmpty(), qPrintable(QStringLiteral("no desktop entry %1.desktop").arg(id)));
        // X11 reports the application's name as the window's class.
        QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), QCoreApplication::applicationName());
        QCOMPARE(entry.value(QStringLiteral("Icon")), id);
        QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("morvex-calc"));

        const QHash<QString, QString> appStream = appStreamTexts(packaging + id + QStringLiteral(".metainfo.xml"));
        QCOMPARE(appStream.value(QStringLiteral("id")), id);
        QCOMPARE(appStream.value(QStringLiteral("launchable")), id + QStringLiteral(".desktop"));
    }

    void startUpMapsNoPluginsLibrary_data()
    {
        QTest::addColumn<QString>("library");
        QTest::newRow("Qt Multimedia") << QStringLiteral("libQt6Multimedia.");
        QTest::newRow("Qt Multimedia Widgets") << QStringLiteral("libQt6MultimediaWidgets");
        QTest::newRow("Qt's GStreamer backend") << QStringLiteral("libgstreamermediaplugin");
        QTest::newRow("GStreamer") << QStringLiteral("libgstreamer-1.0");
        QTest::newRow("the player plugin") << QStringLiteral("morvex_player");
        QTest::newRow("Qt Print Support") << QStringLiteral("libQt6PrintSupport");
        QTest::newRow("libxlsxwriter") << QStringLiteral("libxlsxwriter");
        QTest::newRow("minizip") << QStringLiteral("libminizip");
        QTest::newRow("libcrypto") << QStringLiteral("libcrypto.");
        QTest::newRow("the export plugin") << QStringLiteral("morvex_bomexport");
        // The icons are PNG, read without asking every image-format plugin.
        QTest::newRow("Qt's SVG image plugin") << QStringLiteral("libqsvg.");
        QTest::newRow("Qt SVG") << QStringLiteral("libQt6Svg");
        QTest::newRow("Qt's GIF plugin") << QStringLiteral("libqgif");
        QTest::newRow("Qt's ICO plugin") << QStringLiteral("libqico");
        QTest::newRow("Qt's JPEG plugin") << QStringLiteral("libqjpeg");
        QTest::newRow("libjpeg") << QStringLiteral("libjpeg");
    }
    void startUpMapsNoPluginsLibrary()
    {
        QFETCH(QString, library);
        // The reading itself works: the main window's own libraries are there.
        QVERIFY(!mappedFiles(QStringLiteral("libQt6Widgets")).isEmpty());
        const QStringList files = mappedFiles(library);
        QVERIFY2(files.isEmpty(), qPrintable(files.join(QLatin1Char(' '))));
    }

    // After the start-up's checks too: the first workbook brings the export plugin and the
    // libraries it writes and prints with.
    void exportingAWorkbookLoadsTheExportPlugin()
    {
        QTemporaryDir dir;
        RecordingChooser chooser;
        chooser.toSave = dir.filePath(QStringLiteral("list.xlsx"));
        auto *bom = m_main->findChild<BomFeature *>(QStringLiteral("BomFeature"));
        QVERIFY(bom);
        BomWindow *list = bom->listWindow();
        list->setFileChooser(&chooser);
        list->exportXlsx();
        QVERIFY2(QFileInfo(chooser.toSave).size() > 0, qPrintable(list->status()));
        for (const char *library : {"morvex_bomexport", "libQt6PrintSupport", "libxlsxwriter", "libminizip", "libcrypto."})
            QVERIFY2(!mappedFiles(QString::fromLatin1(library)).isEmpty(), library);
        QVERIFY(m_env.messages.shown.isEmpty());
    }

    void cleanupTestCase() { m_main.reset(); }

private:
    TestEnvironment m_env;
    std::unique_ptr<Form1> m_main;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
