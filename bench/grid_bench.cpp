// Sorting and filling the document grid at the sizes of a large directory.
#include "listing/grid_sort.h"

#include <benchmark/benchmark.h>

namespace {

DocumentGrid makeGrid(int rows)
{
    DocumentGrid grid;
    grid.setColumns({GridColumn{QStringLiteral(" Document")}, GridColumn{QStringLiteral(" Title")},
                     GridColumn{QStringLiteral("Pages")}});
    for (int i = 0; i < rows; ++i) {
        const int key = (i * 7919) % rows; // a fixed shuffle
        grid.appendRow(
            GridRow{{QStringLiteral("document %1.doc").arg(key),
                     QStringLiteral("Rapport n° %1").arg(key % 977), QString::number(key % 1000)}});
    }
    return grid;
}

void BM_FillGrid(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(makeGrid(int(state.range(0))));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SortGenericText(benchmark::State &state)
{
    const DocumentGrid original = makeGrid(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        DocumentGrid grid = original;
        state.ResumeTiming();
        sortGeneric(grid, 1, true, QLocale::system());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SortGenericNumbers(benchmark::State &state)
{
    const DocumentGrid original = makeGrid(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        DocumentGrid grid = original;
        state.ResumeTiming();
        sortGeneric(grid, 2, false, QLocale::system());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_FillGrid)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortGenericText)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortGenericNumbers)->Arg(100000)->Unit(benchmark::kMillisecond);
