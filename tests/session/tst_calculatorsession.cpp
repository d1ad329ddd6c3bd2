// The calculator session without a window: a kind chosen by its identity, the size rules the
// session applies on a move to a row (the drawing by row, the mesh options and rules, the welded
// rolls' masses), the inputs and the outcome, over a base of the test's own tables.

#include "catalogue/datasource.h"
#include "catalogue/sizeselection.h"
#include "fixturetables.h"
#include "programfixture.h"
#include "session/calculatorsession.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using Input = CalculatorSession::Input;
using PO = ProductOption;

// A session over the fixture's base, its calculation defaults set, as the window's load sets
// them.
struct Session
{
    explicit Session(const QList<ProgramFixture::Table> &tables = FixtureTables::all())
    {
        fixture.writeBase(tables);
        data.setDatabaseName(fixture.file(QStringLiteral("base.mdb")));
        session->applyDefaults();
    }

    ProgramFixture fixture;
    DataSource data;
    std::unique_ptr<CalculatorSession> session = std::make_unique<CalculatorSession>(data);
};

} // namespace

Q_DECLARE_METATYPE(QList<ProductOption>)

class TestCalculatorSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKindIsFoundByItsIdentity()
    {
        QSet<QString> ids;
        for (const Catalogue::Kind &kind : Catalogue::kinds()) {
            QVERIFY2(!kind.id.isEmpty(), kind.title);
            ids.insert(kind.id);
            QCOMPARE(Catalogue::find(kind.id), &kind);
        }
        QCOMPARE(ids.size(), Catalogue::kinds().size());
        QVERIFY(!Catalogue::find(QStringLiteral("no-such-kind")));
    }

    // A kind chosen by its identity, as a window without its button would choose it: its rule,
    // its inputs and its first size, with no toolbar at all.
    void kindChosenByIdentity()
    {
        Session s;
        QSignalSpy rows(s.session.get(), &CalculatorSession::rowChanged);
        QVERIFY(s.session->chooseKind(QStringLiteral("hex-bolt")));
        QCOMPARE(s.session->kind()->title, Catalogue::find(QStringLiteral("hex-bolt"))->title);
        QCOMPARE(s.session->row(), 0);
        QCOMPARE(rows.count(), 1);
        QCOMPARE(s.session->enabledInputs(), (Catalogue::InputStates{false, false, true, false}));
        QCOMPARE(s.session->state().CalcMode, int16_t(CalcModeCode::PerPiece));
        QCOMPARE(s.session->state().UnitMassDivisor, int16_t(1000));
        s.session->setInput(Input::Pieces, QStringLiteral("100"));
        QCOMPARE(s.session->outcome().kind, CalcOutcome::Kind::Results);
        // The bolts ordered by diameter and length: М10×40 first, 30 kg a thousand, 100 pieces.
        QCOMPARE(s.session->outcome().total, 3.0);

        QVERIFY(!s.session->chooseKind(QStringLiteral("no-such-kind")));
        QCOMPARE(s.session->kind()->id, QStringLiteral("hex-bolt"));
        s.session->chooseGroup();
        QVERIFY(!s.session->kind());
        QCOMPARE(s.session->recalculate(), CalcOutcome::Kind::NoChange);
    }

    void baseWithoutTheKindsTable()
    {
        Session s({FixtureTables::all().first()});
        QSignalSpy failed(s.session.get(), &CalculatorSession::databaseFailed);
        QVERIFY(!s.session->chooseKind(QStringLiteral("channel")));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(s.session->row(), -1);
    }

    // The drawing follows the row for every kind drawn in two pictures, and is shown again at
    // every move.
    void rowPicksTheDrawing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("picture");
        QTest::newRow("I-beam 16") << "i-beam" << 16 << "dvut1.jpg";
        QTest::newRow("I-beam 17") << "i-beam" << 17 << "dvut2.jpg";
        QTest::newRow("rail 3") << "rail" << 3 << "rels1.jpg";
        QTest::newRow("rail 4") << "rail" << 4 << "rels2.jpg";
        QTest::newRow("channel 17") << "channel" << 17 << "sh1.jpg";
        QTest::newRow("channel 18") << "channel" << 18 << "sh2.jpg";
        QTest::newRow("ribbed sheet 7") << "ribbed-sheet" << 7 << "r1.jpg";
        QTest::newRow("ribbed sheet 8") << "ribbed-sheet" << 8 << "r2.jpg";
        QTest::newRow("woven mesh 46") << "woven-mesh" << 46 << "s1.jpg";
        QTest::newRow("woven mesh 47") << "woven-mesh" << 47 << "s2.jpg";
        QTest::newRow("welded mesh 2") << "welded-mesh" << 2 << "ss1.jpg";
        QTest::newRow("welded mesh 3") << "welded-mesh" << 3 << "ss2.jpg";
        QTest::newRow("round bars keep theirs") << "round-bar" << 0 << "krug.jpg";
    }
    void rowPicksTheDrawing()
    {
        QFETCH(QString, kind);
        QFETCH(int, row);
        QFETCH(QString, picture);
        Session s;
        QVERIFY(s.session->chooseKind(kind));
        QSignalSpy shown(s.session.get(), &CalculatorSession::drawingShown);
        s.session->moveToRow(row);
        QCOMPARE(s.session->state().PictureFile, picture);
        QCOMPARE(shown.count(), SizeSelection::rowDrawing(*s.session->kind(), row) ? 1 : 0);
    }

    // The woven mesh on its rows' two masses (rhombic cells in column 3, square in column 4),
    // 10 m² of it; the option chosen before the move, and what the move leaves.
    void wovenMeshRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<ProductOption>("before");
        QTest::addColumn<ProductOption>("after");
        QTest::addColumn<QList<ProductOption>>("shown");
        QTest::addColumn<int>("massColumn");
        QTest::addColumn<double>("total");
        const QList<PO> both{PO::Rhombic, PO::Square};
        QTest::newRow("both made, no shape chosen") << 0 << PO::Wire3 << PO::Rhombic << both << 3 << 42.0;
        QTest::newRow("both made, square chosen") << 0 << PO::Square << PO::Square << both << 4 << 31.0;
        QTest::newRow("rhombic only") << 1 << PO::Square << PO::Rhombic << QList{PO::Rhombic} << 3 << 45.0;
        QTest::newRow("square only") << 2 << PO::Wire3 << PO::Square << QList{PO::Square} << 4 << 33.0;
        QTest::newRow("neither keeps the rule") << 3 << PO::Square << PO::Square << both << 4 << 0.0;
        QTest::newRow("cloth, no shape") << 47 << PO::Rhombic << PO::Rhombic << QList<PO>() << 6 << 8.3;
    }
    void wovenMeshRows()
    {
        QFETCH(int, row);
        QFETCH(ProductOption, before);
        QFETCH(ProductOption, after);
        QFETCH(QList<ProductOption>, shown);
        QFETCH(int, massColumn);
        QFETCH(double, total);
        Session s;
        QVERIFY(s.session->chooseKind(QStringLiteral("woven-mesh")));
        QCOMPARE(s.session->shownOptions(), (QList{PO::Rhombic, PO::Square}));
        s.session->setInput(Input::Area, QStringLiteral("10"));
        s.session->moveToRow(5);
        s.session->chooseOption(before);
        s.session->moveToRow(row);
        QCOMPARE(s.session->option(), after);
        QCOMPARE(s.session->shownOptions(), shown);
        QCOMPARE(int(s.session->state().MassColumn), massColumn);
        QCOMPARE(s.session->state().CalcMode, int16_t(CalcModeCode::PerArea));
        QCOMPARE(s.session->outcome().kind, CalcOutcome::Kind::Results);
        QCOMPARE(s.session->outcome().total, total);
    }

    // The welded meshes: the rolls of the first three rows have their masses of 1 m² fixed;
    // the others take it from the spacings a, b (mm) and the chosen wire: (950/a + 950/b + 2) × k.
    void weldedMeshRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<ProductOption>("option");
        QTest::addColumn<QList<ProductOption>>("shown");
        QTest::addColumn<float>("unitMass");
        QTest::addColumn<CalcOutcome::Kind>("outcome");
        const QList<PO> wires{PO::Wire3, PO::Wire4, PO::Wire5};
        const auto results = CalcOutcome::Kind::Results;
        QTest::newRow("roll 0") << 0 << PO::Wire4 << QList<PO>() << 2.91f << results;
        QTest::newRow("roll 1") << 1 << PO::Wire4 << QList<PO>() << 1.93f << results;
        QTest::newRow("roll 2") << 2 << PO::Wire4 << QList<PO>() << 1.58f << results;
        QTest::newRow("100 x 100, 3 mm") << 3 << PO::Wire3 << wires << 1.092f << results;
        QTest::newRow("200 x 50, 5 mm") << 4 << PO::Wire5 << wires << 3.708f << results;
        // A cell shape left from the woven mesh is no wire: the kind's own figure stays.
        QTest::newRow("no wire chosen") << 3 << PO::Rhombic << wires << 2.91f << results;
        QTest::newRow("spacing of 0") << 5 << PO::Wire3 << wires << 2.91f << CalcOutcome::Kind::DivisionByZero;
    }
    void weldedMeshRows()
    {
        QFETCH(int, row);
        QFETCH(ProductOption, option);
        QFETCH(QList<ProductOption>, shown);
        QFETCH(float, unitMass);
        QFETCH(CalcOutcome::Kind, outcome);
        Session s;
        s.session->chooseOption(option);
        QVERIFY(s.session->chooseKind(QStringLiteral("welded-mesh")));
        s.session->setInput(Input::Area, QStringLiteral("1"));
        s.session->moveToRow(row);
        QCOMPARE(s.session->shownOptions(), shown);
        QCOMPARE(s.session->state().UnitMass, unitMass);
        QCOMPARE(s.session->outcome().kind, outcome);
    }

    // An input the session is given shows in the window once and recomputes; the same text
    // again changes nothing.
    void inputsRecompute()
    {
        Session s;
        QVERIFY(s.session->chooseKind(QStringLiteral("equal-angle")));
        QSignalSpy changed(s.session.get(), &CalculatorSession::inputChanged);
        QSignalSpy outcomes(s.session.get(), &CalculatorSession::outcomeChanged);
        s.session->setInput(Input::Length, QStringLiteral("1000"));
        s.session->setInput(Input::Pieces, QStringLiteral("2"));
        s.session->setInput(Input::Pieces, QStringLiteral("2"));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(outcomes.count(), 2);
        QCOMPARE(s.session->outcome().total, 21.0); // 10.5 kg/m, 1 m, 2 pieces
        s.session->setLengthDivisor(1);
        QCOMPARE(s.session->outcome().total, 21000.0); // the length now in metres
    }
};

QTEST_GUILESS_MAIN(TestCalculatorSession)
#include "tst_calculatorsession.moc"
