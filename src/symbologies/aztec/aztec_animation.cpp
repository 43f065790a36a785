#include "symbologies/aztec/aztec_animation.h"

#include <atomic>

namespace tsy {
namespace {

std::atomic<GifAnimationEncoder> g_encoder{nullptr};

}  // namespace

AnimationFrames CutAnimationFrames(int32_t widthPx, int32_t heightPx, int32_t modulePx,
                                   int32_t symbols) {
    if (symbols < 1 || modulePx < 1 || widthPx < 1 || heightPx < 1) return {};
    if (widthPx % modulePx != 0) return {};
    const int64_t modules = widthPx / modulePx;
    // N symbols of S modules with N - 1 one-module gaps between them.
    if ((modules + 1) % symbols != 0) return {};
    const int64_t side = (modules + 1) / symbols - 1;
    if (side < 1) return {};
    return {symbols, static_cast<int32_t>(side * modulePx), heightPx,
            static_cast<int32_t>((side + 1) * modulePx)};
}

void SetGifAnimationEncoder(GifAnimationEncoder encoder) {
    g_encoder.store(encoder);
}

GifAnimationEncoder InstalledGifAnimationEncoder() {
    return g_encoder.load();
}

}  // namespace tsy
