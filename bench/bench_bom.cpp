// The materials list: what a designer waits for when adding an item, and when a long list is
// read back, grouped and totalled.

#include "bom/billofmaterials.h"
#include "bom/bomcapture.h"
#include "bom/bomcsv.h"
#include "bom/bomrestore.h"
#include "bom/bomstore.h"
#include "bom/bomtable.h"
#include "catalogue/catalogue.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString BasePath = QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb");

// What the calculator hands over for a row of a kind: its state after the row, the cells and
// inputs in the window's units.
BomCapture captureOf(BaseKindRows &rows, int toolbar, int button, int row, CalcInputs inputs)
{
    const Catalogue::Kind kind = *Catalogue::find(toolbar, button, Catalogue::PipeAnswer::No);
    const QStringList cells = rows.rows(kind)->value(row);
    CalcState state = *stateFor(kind, row, cells, ProductOption::None);
    return {kind, row, cells, state, inputs};
}

// A mixed list: angles, channels, pipes, rebar, bolts and sheets, rows spread over each table.
QList<BomCapture> mixedCaptures(BaseKindRows &rows)
{
    struct Source { int toolbar, button; CalcInputs inputs; };
    const Source sources[] = {{2, 10, {0, 6000, 10, 0}}, {2, 7, {0, 12000, 2, 0}}, {2, 15, {0, 5750, 3, 0}},
                              {3, 2, {0, 11700, 40, 0}}, {4, 8, {0, 0, 250, 0}}, {5, 2, {1500, 6000, 2, 0}}};
    QList<BomCapture> captures;
    for (const Source &s : sources) {
        const Catalogue::Kind kind = *Catalogue::find(s.toolbar, s.button, Catalogue::PipeAnswer::No);
        const int count = int(rows.rows(kind)->size());
        for (int r = 0; r < count; r += qMax(1, count / 20))
            captures.append(captureOf(rows, s.toolbar, s.button, r, s.inputs));
    }
    return captures;
}

// Adding one item from what the calculator shows to a list of 1000 (growing to 3000 over the
// run): the item made (name, standard, size, both masses by the rules) and put into its group
// through the undo stack.
void BM_AddItem(benchmark::State &state)
{
    BaseKindRows rows(BasePath);
    const QList<BomCapture> captures = mixedCaptures(rows);
    BillOfMaterials list;
    for (int i = 0; i < 1000; ++i)
        list.add(*makeItem(captures.at(i % captures.size())));
    int i = 0;
    for (auto _ : state) {
        const std::optional<BomItem> item = makeItem(captures.at(i++ % captures.size()));
        benchmark::DoNotOptimize(list.add(*item));
    }
}
BENCHMARK(BM_AddItem)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The item alone, and the list's part alone.
void BM_MakeItem(benchmark::State &state)
{
    BaseKindRows rows(BasePath);
    const QList<BomCapture> captures = mixedCaptures(rows);
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(makeItem(captures.at(i++ % captures.size())));
}
BENCHMARK(BM_MakeItem)->Unit(benchmark::kMicrosecond);

// The same with the kept list written after the change, for a drawing's list of 30 items.
void BM_AddItemAndKeep30(benchmark::State &state)
{
    BaseKindRows rows(BasePath);
    const QList<BomCapture> captures = mixedCaptures(rows);
    QTemporaryDir dir;
    const QString path = BomStore::keptListPath(dir.path());
    for (auto _ : state) {
        state.PauseTiming();
        BillOfMaterials list;
        for (int i = 0; i < 29; ++i)
            list.load(list.items() + QList<BomItem>{*makeItem(captures.at(i % captures.size()))});
        state.ResumeTiming();
        list.add(*makeItem(captures.at(29)));
        BomStore::save(list, path);
    }
}
BENCHMARK(BM_AddItemAndKeep30)->Unit(benchmark::kMicrosecond);

// A kept list of 10,000 items opened: the file read, every item's kind and size row found
// again in the base (opened anew) and both masses recomputed, then grouped and totalled, and
// laid out as the table shows it.
void BM_Open10000(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = BomStore::keptListPath(dir.path());
    {
        BaseKindRows rows(BasePath);
        const QList<BomCapture> captures = mixedCaptures(rows);
        QList<BomItem> items;
        for (int i = 0; i < 10000; ++i)
            items.append(*makeItem(captures.at(i % captures.size())));
        BillOfMaterials list;
        list.load(items);
        BomStore::save(list, path);
    }
    for (auto _ : state) {
        BaseKindRows rows(BasePath);
        const BomStore::Loaded loaded = BomStore::load(path, rows);
        BillOfMaterials list;
        list.load(loaded.result.items);
        benchmark::DoNotOptimize(list.groups().size());
        benchmark::DoNotOptimize(list.totalKg());
        benchmark::DoNotOptimize(BomTable::rows(list).size());
        if (list.count() != 10000)
            state.SkipWithError("not every item came back");
    }
}
BENCHMARK(BM_Open10000)->Unit(benchmark::kMillisecond);

} // namespace
