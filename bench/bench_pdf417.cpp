#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "encoders/pdf417/pdf417.h"
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
    tsy::PDF417EncodeArgs args{};
    args.message = reinterpret_cast<const unsigned char*>(message.data());
    args.length = static_cast<int32_t>(message.size());
    args.errorCorrectionLevel = tsy::kPDF417Auto;
    args.dataColumns = tsy::kPDF417Auto;
    args.moduleWidth = 2;
    args.rowHeight = 6;
    for (auto _ : state) {
        int32_t h = 0, w = 0;
        void* bits = nullptr;
        tsy::BlockHandle block = tsy::PDF417Encode(&args, &h, &w, &bits);
        tsy::OwnedRaster raster(block, h, w, bits);
        if (!raster) state.SkipWithError("no symbol");
        benchmark::DoNotOptimize(raster.bits());
    }
}

}  // namespace

BENCHMARK(EncodeMixed)
    ->Name("PDF417Encode/mixed")
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);
