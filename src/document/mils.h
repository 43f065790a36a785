// Sizes are held in mils (1/1000 inch); pixels are derived for a resolution when needed.
#pragma once

#include <cstdint>

namespace tsy {

// trunc(dpi * mils / 1000 + 0.5), at least 1. 64-bit so sizes from files or the command line
// cannot wrap; callers compare the result against the raster limits.
inline int64_t MilsToPixels(int64_t dpi, int64_t mils) {
    const double px = static_cast<double>(dpi) * static_cast<double>(mils) / 1000.0 + 0.5;
    if (!(px >= 1.0)) return 1;
    if (px >= 9.0e15) return int64_t{9'000'000'000'000'000};
    return static_cast<int64_t>(px);
}

}  // namespace tsy

namespace tsy {

// A size figure (mils times a module count, both 32-bit) kept within the 32-bit field that
// holds it.
inline int32_t SaturatedFigure(int32_t a, int32_t b) {
    const int64_t product = int64_t{a} * int64_t{b};
    if (product > INT32_MAX) return INT32_MAX;
    if (product < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(product);
}

}  // namespace tsy
