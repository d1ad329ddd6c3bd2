// The kinds' description: every kind it holds against the built base and the drawings' sources,
// the toolbars it lays out, and the faults a description can have.

#include "catalogue/catalogue.h"
#include "catalogue/datasource.h"
#include "catalogue/kinddescription.h"
#include "catalogue/kindsurface.h"
#include "catalogue/recordsource.h"

#include <QFileInfo>
#include <QTest>

namespace {

QString drawingSource(const char *picture)
{
    return QStringLiteral(MORVEX_SOURCE_DIR "data/pictures/%1.svg").arg(QFileInfo(QString::fromUtf8(picture)).baseName());
}

// A sound kind of one group, into which a case writes its fault.
QByteArray description(const QByteArray &kindFields, const QByteArray &groupFields = {})
{
    return R"({"groups": [{"toolbar": 2, "name": "Прокат", "inputs": ["length", "pieces"], "buttons": ["Полоса"])"
           + groupFields + R"(}], "kinds": [{"id": "flat", "group": 2, "button": 1, "columnWidth": 1500,
           "rule": "by-length", "massColumn": 2, "title": "Полоса", "standard": "ГОСТ 103-2006",
           "picture": "polosa.jpg", "source": "полоса", "designation": {"size": "{1}×{0}"},
           "spec": {"class": "rolled", "name": "Полоса"})"
           + kindFields + "}]}";
}

} // namespace

class TestKindDescription : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKindReadsItsTableInTheBuiltBase_data()
    {
        QTest::addColumn<QString>("id");
        for (const Catalogue::Kind &kind : Catalogue::kinds())
            QTest::newRow(qPrintable(kind.id)) << kind.id;
    }
    // Its table and the columns its rules read are in the base, its drawings are drawn, and the
    // first size of a table with sizes has a surface where the kind has a surface rule (a rule
    // pointing at a column of text gives none).
    void everyKindReadsItsTableInTheBuiltBase()
    {
        QFETCH(QString, id);
        const Catalogue::Kind &kind = *Catalogue::find(id);
        DataSource source;
        QVERIFY(source.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb")));
        source.setRecordSource(QString::fromUtf8(kind.recordSource));
        QString error;
        QVERIFY2(source.Refresh(&error), qPrintable(error));
        const RecordSetModel &records = *source.records();
        const int columns = records.columnCount();
        QVERIFY(kind.massColumn < columns);
        for (const Catalogue::SurfaceRule &rule : kind.surface)
            for (int column : rule.columns)
                QVERIFY2(column < columns, qPrintable(QString::number(column)));
        for (const char *picture : {kind.pictureFile, kind.drawings.first, kind.drawings.second})
            if (picture)
                QVERIFY2(QFileInfo::exists(drawingSource(picture)), picture);
        if (KindSurface::hasSurface(kind) && records.rowCount() > 0) {
            const auto cell = [&records](int column) { return std::optional<QString>(records.cell(0, column)); };
            const std::optional<double> surface = KindSurface::perUnit(kind, 0, cell);
            QVERIFY(surface);
            QVERIFY(*surface > 0);
        }
    }

    // The toolbars stay as designed: 15, 6, 8 and 2 buttons, each with its kind (the pipe button
    // two, one for each answer); the kinds beyond them have no button.
    void theToolbarsKeepTheirKinds()
    {
        const int buttons[] = {15, 6, 8, 2};
        int withButton = 0;
        for (int toolbar = 2; toolbar <= 5; ++toolbar) {
            QCOMPARE(Catalogue::toolTips(toolbar).size(), buttons[toolbar - 2]);
            for (int button = 1; button <= buttons[toolbar - 2]; ++button)
                QVERIFY(Catalogue::find(toolbar, button, Catalogue::PipeAnswer::No));
        }
        for (const Catalogue::Kind &kind : Catalogue::kinds())
            withButton += Catalogue::hasButton(kind);
        QCOMPARE(withButton, 32);
        QCOMPARE(Catalogue::toolTips(1),
                 QStringList({QStringLiteral("Прокат"), QStringLiteral("Арматура и сетка"), QStringLiteral("Крепеж"),
                              QStringLiteral("Лист")}));
        for (const char *id : {"flat-bar", "profile-tube", "i-beam-57837", "rebar-34028", "hs-bolt", "hs-nut", "hs-washer"})
            QVERIFY2(Catalogue::find(QString::fromLatin1(id)) && !Catalogue::hasButton(*Catalogue::find(QString::fromLatin1(id))), id);
        QVERIFY(!Catalogue::find(2, 0));
    }

    void aSoundDescriptionIsRead()
    {
        QString error;
        const std::optional<KindDescription> read = KindDescription::read(
            description(R"(, "surface": [{"shape": "flat", "columns": [0, 1]}])"), &error);
        QVERIFY2(read, qPrintable(error));
        const Catalogue::Kind &kind = read->kinds().constFirst();
        QCOMPARE(QString::fromUtf8(kind.title), QStringLiteral("Полоса"));
        QCOMPARE(kind.calcMode, CalcModeCode::ByLength);
        QCOMPARE(kind.massColumn, int16_t(2));
        QVERIFY(kind.inputs == (Catalogue::InputStates{false, true, true, false}));
        QCOMPARE(kind.surface.constFirst().columns, QList<int>({0, 1}));
        QVERIFY(!kind.designation.standard);
        QCOMPARE(kind.spec.specClass, Catalogue::SpecClass::Rolled);
        QCOMPARE(QString::fromUtf8(kind.spec.name), QStringLiteral("Полоса"));
        QVERIFY(!kind.spec.propertyClass);
    }

    void faultsAreTold_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("told");
        QTest::newRow("no JSON") << QByteArray("{\"groups\": [") << QStringLiteral("no JSON");
        QTest::newRow("no kinds") << QByteArray(R"({"groups": []})") << QStringLiteral("«kinds»");
        QTest::newRow("unknown rule") << description(R"(, "rule": "by-weight")") << QStringLiteral("no rule «by-weight»");
        QTest::newRow("mass column as text") << description(R"(, "massColumn": "2")") << QStringLiteral("«massColumn»");
        QTest::newRow("mass source unknown") << description(R"(, "massSource": "rope")") << QStringLiteral("«rope»");
        QTest::newRow("no group") << description(R"(, "group": 7)") << QStringLiteral("no group 7");
        QTest::newRow("button beyond the toolbar") << description(R"(, "button": 2)") << QStringLiteral("no button 2");
        QTest::newRow("unknown input") << description(R"(, "inputs": ["height"])") << QStringLiteral("«height»");
        QTest::newRow("unknown shape") << description(R"(, "surface": [{"shape": "oval", "columns": [0]}])")
                                       << QStringLiteral("«oval»");
        QTest::newRow("shape short of columns") << description(R"(, "surface": [{"shape": "flat", "columns": [0]}])")
                                                << QStringLiteral("takes 2 columns");
        QTest::newRow("rolls without their masses")
            << description(R"(, "mesh": {"form": "welded", "lastRow": 2, "rollMasses": [2.91]})")
            << QStringLiteral("«rollMasses»");
        QTest::newRow("no designation") << description(R"(, "designation": {})") << QStringLiteral("«size»");
        QTest::newRow("unknown place in the specification")
            << description(R"(, "spec": {"class": "paint", "name": "Полоса"})") << QStringLiteral("no class «paint»");
        QTest::newRow("no name in the specification")
            << description(R"(, "spec": {"class": "rolled"})") << QStringLiteral("«name»");
        QByteArray twice = description({});
        twice.replace("}]}", "}, " + twice.mid(twice.indexOf("{\"id\"")));
        QTest::newRow("identity twice") << twice << QStringLiteral("given twice");
    }
    void faultsAreTold()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, told);
        QString error;
        QVERIFY(!KindDescription::read(json, &error));
        QVERIFY2(error.contains(told), qPrintable(error));
    }
};

QTEST_APPLESS_MAIN(TestKindDescription)
#include "tst_kinddescription.moc"
