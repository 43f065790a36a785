#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "encoders/aztec/aztec_encoder.h"
#include "encoders/aztec/aztec_message.h"

namespace {

// Text with digits runs, punctuation, lower and upper case and a few bytes beyond ASCII, so the
// search switches modes often.
std::string MixedMessage(std::size_t length) {
    static const std::string alphabet =
        "The Quick brown fox, 12.5% of 3: jumps! 0123456789 0123456789 (over) LAZY dogs\r\n\xe9";
    std::mt19937 rng(42);
    std::string s(length, ' ');
    for (char& c : s) c = alphabet[rng() % alphabet.size()];
    return s;
}

void Encode(benchmark::State& state, const std::string& message, int32_t sizeChoice) {
    tsy::aztec::AztecEncodeArgs args;
    args.message = reinterpret_cast<const uint8_t*>(message.data());
    args.length = static_cast<int32_t>(message.size());
    args.moduleSize = 1;
    args.sizeChoice = sizeChoice;
    for (auto _ : state) {
        int32_t h = 0, w = 0;
        void* bits = nullptr;
        tsy::BlockHandle b = tsy::aztec::AztecEncode(args, &h, &w, &bits);
        if (!b) state.SkipWithError("no symbol");
        benchmark::DoNotOptimize(bits);
        tsy::BlockFree(b);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * args.length);
}

void BM_AztecEncodeMixed(benchmark::State& state) {
    Encode(state, MixedMessage(static_cast<std::size_t>(state.range(0))), 0);
}
BENCHMARK(BM_AztecEncodeMixed)->Arg(100)->Arg(1000)->Arg(1900)->Unit(benchmark::kMicrosecond);

// 32 layers: 1664 twelve-bit codewords, most of the time in Reed-Solomon.
void BM_AztecEncode32Layers(benchmark::State& state) {
    Encode(state, MixedMessage(static_cast<std::size_t>(state.range(0))), 232);
}
BENCHMARK(BM_AztecEncode32Layers)->Arg(10)->Arg(1900)->Unit(benchmark::kMicrosecond);

// The search alone, to show it grows linearly with the input.
void BM_AztecFindBestPattern(benchmark::State& state) {
    const std::string m = MixedMessage(static_cast<std::size_t>(state.range(0)));
    tsy::aztec::AztecJob job = tsy::aztec::MakeAztecJob(reinterpret_cast<const uint8_t*>(m.data()),
                                                        static_cast<int32_t>(m.size()));
    for (auto _ : state) {
        tsy::aztec::AztecEncoding enc;
        benchmark::DoNotOptimize(tsy::aztec::FindBestPattern(job, enc, 1 << 30));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AztecFindBestPattern)
    ->RangeMultiplier(4)
    ->Range(64, 16384)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
