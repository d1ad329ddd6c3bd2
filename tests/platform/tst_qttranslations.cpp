// Qt's own texts in the user's language: the standard buttons of a message box, such as the
// program's one question, read "Да" and "Нет" under a Russian locale once Qt's translations
// are installed, and stay English where no translation is there.

#include "platform/qttranslations.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

const QString TranslationsDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);

// The texts of the Yes and No buttons of a new question box.
QStringList yesNoTexts()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
}

} // namespace

class TestQtTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        if (m_installed) {
            QCoreApplication::removeTranslator(m_installed);
            delete m_installed;
            m_installed = nullptr;
        }
        QCOMPARE(yesNoTexts(), (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
    }

    void standardButtonsInTheLocalesLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << QStringLiteral("qtbase_ru.qm")
                                 << QStringList{QStringLiteral("&Да"), QStringLiteral("&Нет")};
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("qtbase_de.qm")
                                << QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")};
    }
    void standardButtonsInTheLocalesLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, file);
        QFETCH(QStringList, texts);
        if (!QFileInfo::exists(TranslationsDir + QLatin1Char('/') + file))
            QSKIP(qPrintable(QStringLiteral("Qt's translations are not installed (package qt6-translations-l10n): no %1 in %2")
                                 .arg(file, TranslationsDir)));
        m_installed = QtTranslations::install(locale);
        QVERIFY(m_installed);
        QCOMPARE(m_installed->parent(), QCoreApplication::instance());
        QCOMPARE(yesNoTexts(), texts);
    }

    void noTranslationLeavesQtsOwnTexts_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("emptyDirectory");
        QTest::newRow("Russian, no translations there") << QLocale(QLocale::Russian, QLocale::Russia) << true;
        QTest::newRow("a language Qt has no translation for") << QLocale(QLocale::Kazakh, QLocale::Kazakhstan)
                                                               << false;
    }
    void noTranslationLeavesQtsOwnTexts()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, emptyDirectory);
        const QTemporaryDir empty;
        m_installed = QtTranslations::install(locale, emptyDirectory ? empty.path() : TranslationsDir);
        QVERIFY(!m_installed);
        QCOMPARE(yesNoTexts(), (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
    }

private:
    QTranslator *m_installed = nullptr;
};

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
