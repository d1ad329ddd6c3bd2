// The features on a host that is not the main window: a bare window, a session and a size
// grid. What each feature offers lands in the places it asks for, and a feature changes the
// session, never a control of the window.

#include "catalogue/datasource.h"
#include "catalogue/sizegrid.h"
#include "features/features.h"
#include "fixturetables.h"
#include "host/calculatorhost.h"
#include "platform/environment.h"
#include "programfixture.h"
#include "recordingmessages.h"
#include "reverse/reversedialog.h"
#include "session/calculatorsession.h"

#include <QAction>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Place = CalculatorHost::Place;
using Places = CalculatorHost::Places;

class BareHost : public CalculatorHost
{
public:
    BareHost()
    {
        fixture.writeBase(FixtureTables::all());
        data.setDatabaseName(fixture.file(QStringLiteral("base.mdb")));
        calculator.applyDefaults();
        grid.setModel(data.records());
        environment_.executableDir = fixture.dir();
        environment_.messages = &messages;
        environment_.userDataDir = userData.path();
    }

    QWidget &parentWindow() override { return bare; }
    CalculatorSession &session() override { return calculator; }
    SizeGrid &sizeGrid() override { return grid; }
    const Environment &environment() const override { return environment_; }
    void addCommand(QAction *action, Places places) override { offered.insert(action->objectName(), places); }

    ProgramFixture fixture;
    QTemporaryDir userData;
    RecordingMessages messages;
    Environment environment_;
    DataSource data;
    CalculatorSession calculator{data};
    // The features are the window's children: they go with it, before the session.
    QWidget bare;
    SizeGrid grid{&bare};
    QMap<QString, Places> offered;
};

} // namespace

class TestHost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void everyCommandInItsPlaces()
    {
        BareHost host;
        Features::attachTo(host);
        const Places everywhere = Place::WindowKeys | Place::SizeGrid | Place::Results;
        const QMap<QString, Places> expected{
            {QStringLiteral("ReverseFromMass"), Place::WindowKeys | Place::Results},
            {QStringLiteral("FindSize"), Place::WindowKeys | Place::SizeGrid},
            {QStringLiteral("AddOwnSize"), Place::SizeGrid},
            {QStringLiteral("ChangeOwnSize"), Place::SizeGrid},
            {QStringLiteral("RemoveOwnSize"), Place::SizeGrid},
            {QStringLiteral("BomAdd"), everywhere | Place::CommandButton},
            {QStringLiteral("BomShow"), everywhere},
            {QStringLiteral("KindCatalogue"), Place::WindowKeys | Place::SizeGrid},
            {QStringLiteral("SurfaceOnePiece"), Place::Results},
            {QStringLiteral("SurfaceAllPieces"), Place::Results},
        };
        QCOMPARE(host.offered, expected);
        // The command button shows the adding's icon; the menus show its text alone.
        const QAction *add = host.bare.findChild<QAction *>(QStringLiteral("BomAdd"));
        QVERIFY(!add->icon().isNull());
        QVERIFY(!add->isIconVisibleInMenu());
    }

    // The reverse dialog writes what it worked back into the session's input, which
    // recomputes: 10.5 kg/m angles, 2 pieces, 42 kg make 2 m each.
    void reverseWritesTheSession()
    {
        BareHost host;
        QVERIFY(host.session().chooseKind(QStringLiteral("equal-angle")));
        host.session().setInput(CalculatorSession::Input::Pieces, QStringLiteral("2"));
        ReverseDialog *dialog = ReverseDialog::openOver(host);
        QCOMPARE(dialog->parent(), &host.bare);
        dialog->findChild<QLineEdit *>(QStringLiteral("MassText"))->setText(QStringLiteral("42"));
        dialog->Apply_Click();
        QCOMPARE(host.session().input(CalculatorSession::Input::Length), QStringLiteral("2000"));
        QCOMPARE(host.session().outcome().total, 42.0);
    }
};

QTEST_MAIN(TestHost)
#include "tst_host.moc"
