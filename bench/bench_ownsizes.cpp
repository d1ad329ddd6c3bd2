// Own sizes: what a thousand of them cost a kind press, against the same press without them,
// and what reading their file costs the first time.

#include "catalogue/csvtable.h"
#include "catalogue/datasource.h"
#include "catalogue/kindtoolbar.h"
#include "ownsizes/ownsizestore.h"
#include "ownsizes/tablefiles.h"
#include "shell/form1.h"
#include "testwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

struct Press
{
    int button;
    const char *table;
    int massColumn; // of the table
};

// Equal angles (117 rows in the base, read whole) and the Z-profiles (none in the base).
const Press Presses[] = {{10, "уголок", 2}, {12, "z профиль", 4}};

QStringList tableColumns(const QString &table)
{
    DataSource source;
    source.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"));
    source.setRecordSource(table);
    source.Refresh();
    QStringList columns;
    for (int c = 0; c < source.records()->columnCount(); ++c)
        columns.append(source.records()->headerData(c, Qt::Horizontal).toString());
    return columns;
}

// A file of own sizes, every one of them sound: a mass and a first dimension that differ.
QByteArray ownSizes(const QString &table, int massColumn, int count)
{
    CsvTable file;
    file.name = table;
    file.columns = tableColumns(table);
    for (int i = 0; i < count; ++i) {
        QStringList row(file.columns.size());
        row[0] = QString::number(100 + i);
        row[massColumn] = QString::number(10 + i / 100.0, 'f', 2);
        file.rows.append(row);
    }
    return writeCsvTable(file);
}

void putOwnSizes(const QString &userDataDir, const Press &press, int count)
{
    QDir().mkpath(userDataDir + QStringLiteral("/sizes"));
    QFile file(userDataDir + QStringLiteral("/sizes/") + OwnSizes::tableFileName(QString::fromUtf8(press.table)));
    file.open(QIODevice::WriteOnly);
    file.write(ownSizes(QString::fromUtf8(press.table), press.massColumn, count));
}

// A kind press (record source, refresh with the own rows, picture, recomputation) on a table
// with range(1) own sizes; the file is read at the first press and then only looked at.
void BM_KindPressWithOwnSizes(benchmark::State &state)
{
    const Press &press = Presses[state.range(0)];
    TestEnvironment env{QStringLiteral(MORVEX_PROGRAM_DIR)};
    putOwnSizes(env.environment.userDataDir, press, int(state.range(1)));
    Form1 window(env.environment);
    window.Form_Load();
    window.show();
    QApplication::processEvents();
    auto *toolbar = window.findChild<KindToolbar *>(QStringLiteral("T2"));
    toolbar->button(press.button)->click();
    for (auto _ : state)
        toolbar->button(press.button)->click();
    state.SetLabel(QStringLiteral("%1, %2 rows in all").arg(QString::fromUtf8(press.table))
                       .arg(window.dataSource()->records()->rowCount()).toStdString());
}
BENCHMARK(BM_KindPressWithOwnSizes)
    ->ArgsProduct({{0, 1}, {0, 1000}})
    ->ArgNames({"table", "own"})
    ->Unit(benchmark::kMillisecond);

// The first reading of a file of 1000 own sizes: the file read, parsed and every row checked.
void BM_ReadOwnSizeFile(benchmark::State &state)
{
    const Press &press = Presses[0];
    TestEnvironment env{QStringLiteral(MORVEX_PROGRAM_DIR)};
    putOwnSizes(env.environment.userDataDir, press, 1000);
    const QString table = QString::fromUtf8(press.table);
    const QStringList columns = tableColumns(table);
    for (auto _ : state) {
        OwnSizeStore store(env.environment.userDataDir, &env.messages);
        benchmark::DoNotOptimize(store.rows(table, columns, 117).size());
    }
}
BENCHMARK(BM_ReadOwnSizeFile)->Unit(benchmark::kMillisecond);

} // namespace
