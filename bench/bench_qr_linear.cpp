#include <benchmark/benchmark.h>

#include <string>

#include "encoders/linear/linear_encoders.h"
#include "encoders/qr/qr_encoder.h"

namespace {

std::string Message(std::size_t length) {
    std::string s(length, '\0');
    for (std::size_t i = 0; i < length; ++i) s[i] = static_cast<char>((i * 131 + 7) & 0x7F);
    return s;
}

void BM_QREncode(benchmark::State& state) {
    const std::string msg = Message(static_cast<std::size_t>(state.range(0)));
    QREncodeArgs args{reinterpret_cast<const unsigned char*>(msg.data()),
                      static_cast<int32_t>(msg.size()),
                      1,
                      0,
                      TSY_QR_LEVEL_M,
                      4,
                      0};
    for (auto _ : state) {
        int32_t h = 0, w = 0;
        void* bits = nullptr;
        tsy::BlockHandle b = tsy::qr::QREncode(&args, &h, &w, &bits);
        benchmark::DoNotOptimize(bits);
        tsy::BlockFree(b);
    }
}
BENCHMARK(BM_QREncode)->Arg(100)->Arg(2000)->Unit(benchmark::kMicrosecond);

void BM_EncodeCode128(benchmark::State& state) {
    const std::string msg = Message(80);
    for (auto _ : state) {
        int32_t w = 0;
        void* bits = nullptr;
        tsy::BlockHandle b = tsy::linear::EncodeCode128(
            reinterpret_cast<const uint8_t*>(msg.data()), 80, 2, 50, &w, &bits);
        benchmark::DoNotOptimize(bits);
        tsy::BlockFree(b);
    }
}
BENCHMARK(BM_EncodeCode128)->Unit(benchmark::kMicrosecond);

void BM_EncodeCode39(benchmark::State& state) {
    const std::string msg = Message(60);
    for (auto _ : state) {
        int32_t w = 0;
        void* bits = nullptr;
        tsy::BlockHandle b = tsy::linear::EncodeCode39(reinterpret_cast<const uint8_t*>(msg.data()),
                                                       60, 6, 2, 50, &w, true, false, &bits);
        benchmark::DoNotOptimize(bits);
        tsy::BlockFree(b);
    }
}
BENCHMARK(BM_EncodeCode39)->Unit(benchmark::kMicrosecond);

}  // namespace
