#include <benchmark/benchmark.h>

#include "imaging/scalers.h"

static void BM_ScaleModuleMatrix1000x3(benchmark::State& state) {
    tsy::ModuleMatrix m(1000, 1000);
    for (int y = 0; y < 1000; ++y)
        for (int x = 0; x < 1000; ++x) m.set(x, y, ((x * 7 + y * 13) >> 2) & 1);
    for (auto _ : state) {
        int32_t h = 1000, w = 1000;
        tsy::BlockHandle b = tsy::ScaleModuleMatrix(m, &h, &w, 3, 3, false, 1);
        benchmark::DoNotOptimize(b);
        tsy::BlockFree(b);
    }
}
BENCHMARK(BM_ScaleModuleMatrix1000x3)->Unit(benchmark::kMillisecond);
