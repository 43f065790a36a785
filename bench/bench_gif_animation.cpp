// Writing the animated GIF of an Aztec sequence into memory: strips of real symbol sets.
#include <benchmark/benchmark.h>

#include <string>

#include "encoders/aztec/aztec_encoder.h"
#include "export/gif_animation_writer.h"
#include "platform/bitmap_ops.h"

namespace {

struct Strip {
    tsy::Bitmap1 bits;
    tsy::AnimationFrames frames;
};

// `symbols` symbols sharing `length` letters and digits, `module` pixels a module.
Strip MakeStrip(int symbols, int length, int module) {
    std::string message;
    for (int i = 0; i < length; ++i)
        message += "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"[(i * 7) % 36];
    tsy::aztec::AztecEncodeArgs args;
    args.message = reinterpret_cast<const uint8_t*>(message.data());
    args.length = static_cast<int32_t>(message.size());
    args.symbols = symbols;
    args.moduleSize = module;
    const tsy::OwnedRaster raster = tsy::aztec::AztecRaster(args);
    Strip s;
    if (!raster) return s;
    s.bits = tsy::MakeBitmap1(raster.width(), raster.height(), raster.bits());
    s.frames = tsy::CutAnimationFrames(raster.width(), raster.height(), module, symbols);
    return s;
}

void BM_WriteGifAnimation(benchmark::State& state) {
    const int symbols = static_cast<int>(state.range(0));
    const int length = static_cast<int>(state.range(1));
    const int module = static_cast<int>(state.range(2));
    const Strip strip = MakeStrip(symbols, length, module);
    if (strip.frames.count == 0) {
        state.SkipWithError("no strip");
        return;
    }
    state.SetLabel(std::to_string(strip.frames.count) + " frames of " +
                   std::to_string(strip.frames.width) + "x" + std::to_string(strip.frames.height));
    std::size_t size = 0;
    for (auto _ : state) {
        tsy::StringSink sink;
        std::string error;
        if (!tsy::WriteGifAnimation({&strip.bits, strip.frames, 100, 0}, sink, &error))
            state.SkipWithError(error.c_str());
        size = sink.bytes.size();
        benchmark::DoNotOptimize(sink.bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
    state.SetItemsProcessed(state.iterations() * strip.frames.count);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(strip.frames.count) *
                            strip.frames.width * strip.frames.height);
}
BENCHMARK(BM_WriteGifAnimation)
    ->Args({3, 100, 2})
    ->Args({3, 1000, 4})
    ->Args({9, 2000, 4})
    ->Args({26, 3000, 10});

}  // namespace
