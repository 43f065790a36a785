#include <cstring>

#include "imaging/bit_run_writer.h"
#include "imaging/raster_limits.h"
#include "imaging/scalers.h"

namespace tsy {

BlockHandle ScaleLinearRow(const uint8_t* row, int32_t heightPx, int32_t* width,
                           int32_t moduleWidthPx) {
    if (!row || !width || *width < 1 || heightPx < 1 || moduleWidthPx < 1) return nullptr;
    const int64_t pixelW = int64_t{*width} * moduleWidthPx;
    if (!RasterSizeOk(pixelW, heightPx)) return nullptr;
    const int64_t stride = RasterStride(pixelW);
    BlockHandle block = BlockAlloc(static_cast<std::size_t>(stride * heightPx));
    if (!block) return nullptr;
    auto* out = static_cast<uint8_t*>(BlockLock(block));
    if (!out) {
        BlockFree(block);
        return nullptr;
    }
    BitRunWriter writer(out);
    int32_t m = 0;
    // A pixel a module, the usual width: whole bytes of the row, bars (1) turned black (0).
    if (moduleWidthPx == 1) {
        for (; m + 8 <= *width; m += 8) writer.put(static_cast<uint8_t>(~row[m / 8]), 8);
    }
    for (; m < *width; ++m) {
        const int bar = (row[m / 8] >> (7 - m % 8)) & 1;
        writer.run(bar ? 0 : 1, moduleWidthPx);
    }
    writer.padTo16(1);
    for (int32_t y = 1; y < heightPx; ++y)
        std::memcpy(out + y * stride, out, static_cast<std::size_t>(stride));
    BlockUnlock(block);
    *width = static_cast<int32_t>(pixelW);
    return block;
}

void PackModuleBytes(uint8_t* dest, const uint8_t* row, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t mask = static_cast<uint8_t>(0x80u >> (i % 8));
        if (row[i])
            dest[i / 8] = static_cast<uint8_t>(dest[i / 8] | mask);
        else
            dest[i / 8] = static_cast<uint8_t>(dest[i / 8] & ~mask);
    }
}

}  // namespace tsy
