// Captioning a symbol the way a build does: message above, caption below, 10-point Arial.
#include <benchmark/benchmark.h>

#include <string>

#include "imaging/captioned_bitmap.h"
#include "platform/bitmap_ops.h"

namespace tsy {
namespace {

Bitmap1 Symbol(int w, int h) {
    Bitmap1 mono = MakeFilledBitmap1(w, h, true);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) mono.setBlack(x, y, (x * 7 + y * 3) % 5 < 2);
    }
    return mono;
}

void BM_ComposeMessageAndCaption(benchmark::State& state) {
    const Bitmap1 symbol = Symbol(static_cast<int>(state.range(0)), 200);
    const std::u16string message(100, u'M');
    const Font font = Font::CreatePointFont(100, u"Arial");
    for (auto _ : state) {
        Bitmap1 copy = symbol;
        CCaptionedBitmap temporary;
        temporary.Compose(copy, message, kCaptionAbove, &font, 1, 1);
        RgbImage middle = temporary.Detach();
        CCaptionedBitmap picture;
        benchmark::DoNotOptimize(
            picture.Compose(middle, u"Tessaly caption", kCaptionBelow, &font, 1, 1));
    }
}
BENCHMARK(BM_ComposeMessageAndCaption)->Arg(200)->Arg(1200);

void BM_MeasureCaption(benchmark::State& state) {
    const Font font = Font::CreatePointFont(100, u"Arial");
    const std::u16string text(static_cast<std::size_t>(state.range(0)), u'W');
    for (auto _ : state) benchmark::DoNotOptimize(CCaptionedBitmap::MeasureCaption(font, text));
}
BENCHMARK(BM_MeasureCaption)->Arg(10)->Arg(100);

void BM_CopyMonochrome(benchmark::State& state) {
    Bitmap1 symbol = Symbol(600, 600);
    CCaptionedBitmap picture;
    picture.Compose(symbol, u"caption", kCaptionBelow, nullptr, 1, 1);
    for (auto _ : state) {
        Bitmap1 mono;
        benchmark::DoNotOptimize(picture.CopyMonochrome(mono));
    }
}
BENCHMARK(BM_CopyMonochrome);

}  // namespace
}  // namespace tsy
