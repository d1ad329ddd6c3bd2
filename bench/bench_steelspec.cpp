// The technical specification of metal of a long list: what a designer waits for when the list
// window's second view or an export lays out the form of 10,000 items.

#include "bom/bomcapture.h"
#include "bom/bomrestore.h"
#include "bom/bomspec.h"
#include "catalogue/catalogue.h"
#include "steelspec/steelgrades.h"

#include <benchmark/benchmark.h>

namespace {

const QString BasePath = QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb");

// 10,000 items of the form's kinds (I-beams, channels, angles, pipes, sheets) and fasteners,
// rows spread over each table, with the offered grades and groups in turn: a few hundred
// profiles, grades and sizes to group, every group a column.
QList<BomItem> tenThousand()
{
    BaseKindRows rows(BasePath);
    struct Source { const char *kind; CalcInputs inputs; };
    const Source sources[] = {{"i-beam", {0, 6000, 4, 0}},     {"channel", {0, 12000, 2, 0}},
                              {"equal-angle", {0, 1200, 20, 0}}, {"welded-pipe", {0, 5750, 3, 0}},
                              {"sheet", {1500, 6000, 2, 0}},     {"hex-bolt", {0, 0, 24, 0}}};
    QList<BomCapture> captures;
    for (const Source &s : sources) {
        const Catalogue::Kind *kind = Catalogue::find(QString::fromLatin1(s.kind));
        const int count = int(rows.rows(*kind)->size());
        for (int r = 0; r < count; r += qMax(1, count / 40)) {
            const QStringList cells = rows.rows(*kind)->value(r);
            captures.append({*kind, r, cells, *stateFor(*kind, r, cells, ProductOption::None), s.inputs});
        }
    }
    const QList<SteelGrade> &grades = SteelGrades::offered();
    const QStringList &groups = ConstructionGroups::offered();
    QList<BomItem> items;
    for (int i = 0; i < 10000; ++i) {
        BomCapture capture = captures.at(i % captures.size());
        capture.grade = grades.at(i % grades.size()).name;
        capture.group = groups.at((i / 7) % groups.size());
        items.append(*makeItem(capture));
    }
    return items;
}

// The items grouped into the form: by profile, grade and size, each cell rounded and every
// total summed from the printed cells.
void BM_Form10000(benchmark::State &state)
{
    const QList<BomItem> items = tenThousand();
    for (auto _ : state) {
        const MetalForm::Form form = MetalForm::make(BomSpec::formLines(items));
        benchmark::DoNotOptimize(form.rows.size());
    }
}
BENCHMARK(BM_Form10000)->Unit(benchmark::kMillisecond);

// The same with the statement of fasteners and the tables laid out as every output draws them.
void BM_Tables10000(benchmark::State &state)
{
    const QList<BomItem> items = tenThousand();
    for (auto _ : state) {
        const QList<SpecTable> tables = BomSpec::tables(items, {});
        benchmark::DoNotOptimize(tables.size());
    }
}
BENCHMARK(BM_Tables10000)->Unit(benchmark::kMillisecond);

} // namespace
