#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

#include "encoders/ziggur/ziggur_encoder.h"

namespace {

std::string Message(std::size_t length) {
    static const std::string alphabet =
        "The Quick brown fox, 12.5% of 3: jumps! 0123456789 (over) LAZY dogs\r\n\xe9";
    std::mt19937 rng(42);
    std::string s(length, ' ');
    for (char& c : s) c = alphabet[rng() % alphabet.size()];
    return s;
}

// EncodeZiggur of a 100-byte message over each host, symmetry 2, host height automatic.
void BM_EncodeZiggur(benchmark::State& state, char letter, const char* host) {
    const std::string message = Message(100);
    tsy::aztec::AztecEncodeArgs args;
    args.message = reinterpret_cast<const uint8_t*>(message.data());
    args.length = static_cast<int32_t>(message.size());
    args.moduleSize = 1;
    tsy::ziggur::ZiggurHostRecord record;
    record.hostSymbology = letter;
    std::strncpy(record.hostMessage, host, sizeof record.hostMessage - 1);
    record.symmetry = tsy::ziggur::kZiggurDoubleEven;
    for (auto _ : state) {
        int32_t h = 0, w = 0;
        void* bits = nullptr;
        tsy::BlockHandle b = tsy::ziggur::EncodeZiggur(args, record, &h, &w, &bits);
        if (!b) state.SkipWithError("no symbol");
        benchmark::DoNotOptimize(bits);
        tsy::BlockFree(b);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * args.length);
}
BENCHMARK_CAPTURE(BM_EncodeZiggur, Code39, '3', "ZIGGUR-01")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EncodeZiggur, Ean13, 'U', "123456789012")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EncodeZiggur, Itf, 'I', "1234567890")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EncodeZiggur, ItfBearers, 'B', "1234567890")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EncodeZiggur, Code93, '9', "Ziggur-01")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EncodeZiggur, Code128, '1', "Ziggur 0123456789")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
