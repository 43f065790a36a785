#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "encoders/pdf417/pdf417.h"
#include "encoders/pdf417/pdf417_compaction.h"
#include "imaging/symbol_raster.h"

namespace {

// Text, digit runs, punctuation and binary bytes, so every compaction mode takes part.
std::string MixedMessage(std::size_t length) {
    static const std::string pieces[] = {"Invoice 2024-",    "0031415926535897",  "; total: $",
                                         "\x01\xFE\x80\x93", "lower case words ", "A/B+C"};
    std::mt19937 rng(417);
    std::string m;
    while (m.size() < length) m += pieces[rng() % 6];
    m.resize(length);
    return m;
}

void EncodeMixed(benchmark::State& state) {
    const std::string message = MixedMessage(static_cast<std::size_t>(state.range(0)));
    PDF417EncodeArgs args{};
    args.message = reinterpret_cast<const unsigned char*>(message.data());
    args.length = static_cast<int32_t>(message.size());
    args.errorCorrectionLevel = tsy::pdf417::kPDF417Auto;
    args.dataColumns = tsy::pdf417::kPDF417Auto;
    args.moduleWidth = 2;
    args.rowHeight = 6;
    for (auto _ : state) {
        const tsy::OwnedRaster raster = tsy::pdf417::PDF417Raster(args);
        if (!raster) state.SkipWithError("no symbol");
        benchmark::DoNotOptimize(raster.bits());
    }
}

// The search alone, to show it grows linearly with the message.
void CompactionSearch(benchmark::State& state) {
    const std::string message = MixedMessage(static_cast<std::size_t>(state.range(0)));
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(message.data()),
                                         message.size());
    for (auto _ : state) benchmark::DoNotOptimize(tsy::pdf417::FindCompactionPattern(bytes));
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(CompactionSearch)
    ->RangeMultiplier(2)
    ->Range(125, 1000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(EncodeMixed)
    ->Name("PDF417Encode/mixed")
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);
