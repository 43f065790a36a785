// The frames of an animated Aztec sequence and the GIF encoder that turns them into a file. The
// encoder lives with the image writers above this layer; the program installs it at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "platform/bitmap.h"

namespace tsy {

// Where the symbols sit in a strip of N symbols of S modules a side, m pixels a module, one
// module apart: frame i starts at column i * (S + 1) * m and is S * m pixels wide.
struct AnimationFrames {
    int32_t count = 0;
    int32_t width = 0;   // pixels
    int32_t height = 0;  // pixels
    int32_t step = 0;    // pixels from one frame's first column to the next one's

    bool operator==(const AnimationFrames&) const = default;
};

// The frames of a strip widthPx x heightPx built from `symbols` square symbols of modulePx
// pixels a module; count 0 when the strip cannot hold them.
AnimationFrames CutAnimationFrames(int32_t widthPx, int32_t heightPx, int32_t modulePx,
                                   int32_t symbols);

struct GifAnimation {
    const Bitmap1* strip = nullptr;  // bit 0 black, bit 1 white: the two palette entries
    AnimationFrames frames;
    uint16_t delay = 0;  // hundredths of a second a frame
    uint16_t loops = 0;  // 0 for ever, 1 once, n times
};

// Appends the GIF file of the animation to *bytes; false when it could not be made.
using GifAnimationEncoder = bool (*)(const GifAnimation& animation, std::string* bytes);

void SetGifAnimationEncoder(GifAnimationEncoder encoder);
// Null until a writer was installed.
GifAnimationEncoder InstalledGifAnimationEncoder();

}  // namespace tsy
