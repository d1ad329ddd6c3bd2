// What a user waits for: choosing a kind, moving to a size, typing a length.

#include "catalogue/catalogue.h"
#include "catalogue/datasource.h"
#include "catalogue/kinddescription.h"
#include "catalogue/kindtoolbar.h"
#include "kindcatalogue/kindcatalogdialog.h"
#include "shell/form1.h"
#include "testwindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

namespace {

struct ShownWindow
{
    TestEnvironment env{QStringLiteral(MORVEX_PROGRAM_DIR)};
    Form1 window{env.environment};

    ShownWindow()
    {
        window.Form_Load();
        window.show();
        QApplication::processEvents();
    }
    template<typename T = QWidget> T *get(const char *name)
    {
        return window.findChild<T *>(QString::fromLatin1(name));
    }
    void press(int toolbar, int button)
    {
        get<KindToolbar>(qPrintable(QStringLiteral("T%1").arg(toolbar)))->button(button)->click();
    }
};

// The largest table: a record-source switch and a refresh read every row.
void BM_RefreshLargestTable(benchmark::State &state)
{
    DataSource source;
    source.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"));
    for (auto _ : state) {
        source.setRecordSource(QStringLiteral("трубы бесшовные"));
        source.Refresh();
        source.setRecordSource(QStringLiteral("двутавр"));
        source.Refresh();
    }
    state.SetLabel("two switches per iteration");
}
BENCHMARK(BM_RefreshLargestTable)->Unit(benchmark::kMillisecond);

// The kinds with a button, in the catalogue's order: the toolbars' kinds.
QList<Catalogue::Kind> buttonKinds()
{
    QList<Catalogue::Kind> kinds;
    for (const Catalogue::Kind &kind : Catalogue::kinds())
        if (Catalogue::hasButton(kind))
            kinds.append(kind);
    return kinds;
}

// A kind press: record source, refresh, picture, recomputation.
void BM_KindPress(benchmark::State &state)
{
    ShownWindow w;
    const Catalogue::Kind kind = buttonKinds().at(state.range(0));
    w.env.messages.answers.clear();
    w.press(1, kind.toolbar - 1);
    for (auto _ : state) {
        w.env.messages.answers = {kind.answer == Catalogue::PipeAnswer::No ? UserMessages::Answer::No
                                                                           : UserMessages::Answer::Yes};
        w.press(kind.toolbar, kind.button);
    }
    state.SetLabel(QStringLiteral("T%1 %2 %3").arg(kind.toolbar).arg(kind.button)
                       .arg(QString::fromUtf8(kind.recordSource).left(24)).toStdString());
}
BENCHMARK(BM_KindPress)->DenseRange(0, 31)->Unit(benchmark::kMillisecond);

// The same kind chosen in the kinds' catalogue window (the toolbar kinds first, in the same
// order as BM_KindPress, then the kinds beyond the toolbars): the window's choice and the
// session's, which a kind press also makes, with the release of the toolbar's button.
void BM_CatalogueChoice(benchmark::State &state)
{
    ShownWindow w;
    QList<Catalogue::Kind> kinds = buttonKinds();
    for (const Catalogue::Kind &kind : Catalogue::kinds())
        if (!Catalogue::hasButton(kind))
            kinds.append(kind);
    const Catalogue::Kind kind = kinds.at(state.range(0));
    w.press(1, kind.toolbar - 1);
    w.window.findChild<QAction *>(QStringLiteral("KindCatalogue"))->trigger();
    auto *dialog = w.window.findChild<KindCatalogDialog *>();
    for (auto _ : state) {
        dialog->setCurrentKind(kind.id);
        dialog->chooseCurrent();
    }
    state.SetLabel(QStringLiteral("%1 %2").arg(kind.id, QString::fromUtf8(kind.recordSource).left(24)).toStdString());
}
BENCHMARK(BM_CatalogueChoice)->DenseRange(0, 38)->Unit(benchmark::kMillisecond);

// A keystroke in the length field to both results written.
void BM_KeystrokeInLength(benchmark::State &state)
{
    ShownWindow w;
    w.press(2, 10);
    QLineEdit *length = w.get<QLineEdit>("Text3");
    int i = 0;
    for (auto _ : state)
        length->setText(QString::number(1000 + (i++ % 9000)));
}
BENCHMARK(BM_KeystrokeInLength)->Unit(benchmark::kMicrosecond);

void BM_Recalculate(benchmark::State &state)
{
    ShownWindow w;
    w.press(2, 10);
    w.get<QLineEdit>("Text3")->setText(QStringLiteral("6000"));
    for (auto _ : state)
        benchmark::DoNotOptimize(w.window.Recalculate());
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond);

// A row change in the largest table of a kind with two drawings, switching the drawing.
void BM_RowChangeWithPicture(benchmark::State &state)
{
    ShownWindow w;
    w.press(2, 2);
    QTableView *grid = w.get<QTableView>("DBGrid2");
    int row = 0;
    for (auto _ : state) {
        row = row == 10 ? 40 : 10; // across the drawing threshold every time
        grid->setCurrentIndex(grid->model()->index(row, 0));
    }
}
BENCHMARK(BM_RowChangeWithPicture)->Unit(benchmark::kMillisecond);

// Reading the kinds' description, as the first use of the catalogue does at start-up.
void BM_ReadKindDescription(benchmark::State &state)
{
    QFile file(QStringLiteral(":/catalogue/kinds.json"));
    file.open(QIODevice::ReadOnly);
    const QByteArray json = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(KindDescription::read(json));
    state.SetLabel(std::to_string(json.size()) + " bytes");
}
BENCHMARK(BM_ReadKindDescription)->Unit(benchmark::kMicrosecond);

// Start-up of the main window against the least a Qt window of its kind costs.
void BM_StartupMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        ShownWindow w;
        benchmark::DoNotOptimize(w.window.isVisible());
    }
}
BENCHMARK(BM_StartupMainWindow)->Unit(benchmark::kMillisecond);

void BM_StartupFloor(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        auto *central = new QWidget;
        auto *layout = new QVBoxLayout(central);
        layout->addWidget(new QTableView);
        for (int i = 0; i < 6; ++i)
            layout->addWidget(new QLineEdit);
        window.setCentralWidget(central);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_StartupFloor)->Unit(benchmark::kMillisecond);

} // namespace
