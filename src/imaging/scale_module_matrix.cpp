#include <cstdint>

#include "imaging/bit_run_writer.h"
#include "imaging/raster_limits.h"
#include "imaging/scalers.h"

namespace tsy {
namespace {

struct Grid {
    const uint8_t* bits;
    int32_t rows;
    int32_t cols;
    int64_t stride;
    bool dark(int32_t r, int32_t c) const {
        if (r >= rows || c >= cols) return false;
        return (bits[r * stride + c / 8] >> (7 - c % 8)) & 1;
    }
};

// One pixel row j of matrix row r, following the undercut rules on module values.
void EmitPixelRow(BitRunWriter& out, const Grid& g, int32_t r, int32_t j, int32_t X, int32_t Y,
                  int32_t u, int dark, int light) {
    const bool inBottomBand = u > 0 && j >= Y - u;
    for (int32_t c = 0; c < g.cols; ++c) {
        const bool d = g.dark(r, c);
        int v = d ? dark : light;
        if (d && inBottomBand && !g.dark(r + 1, c)) v = light;
        const int32_t l = X - u;
        if (u > 0 && l >= 0 && l < X) {
            out.run(v, l);
            if (v == dark &&
                (c == g.cols - 1 || !g.dark(r, c + 1) || (inBottomBand && !g.dark(r + 1, c + 1))))
                v = light;
            out.run(v, X - l);
        } else {
            out.run(v, X);
        }
    }
    out.padTo16(light);
}

}  // namespace

BlockHandle ScaleModuleMatrix(const uint8_t* matrix, int32_t* height, int32_t* width,
                              int32_t moduleWidthPx, int32_t moduleHeightPx, bool reverseVideo,
                              int32_t undercutPx) {
    if (!matrix || !height || !width || *height < 1 || *width < 1 || moduleWidthPx < 1 ||
        moduleHeightPx < 1)
        return nullptr;
    const int64_t pixelW = int64_t{*width} * moduleWidthPx;
    const int64_t pixelH = int64_t{*height} * moduleHeightPx;
    if (!RasterSizeOk(pixelW, pixelH)) return nullptr;
    BlockHandle block = BlockAlloc(static_cast<std::size_t>(RasterStride(pixelW) * pixelH));
    if (!block) return nullptr;
    auto* out = static_cast<uint8_t*>(BlockLock(block));
    if (!out) {
        BlockFree(block);
        return nullptr;
    }
    const int light = reverseVideo ? 0 : 1;
    const int dark = 1 - light;
    const int32_t u = undercutPx > 0 ? undercutPx : 0;
    const Grid grid{matrix, *height, *width, (int64_t{*width} + 7) / 8};
    BitRunWriter writer(out);
    for (int32_t r = 0; r < grid.rows; ++r)
        for (int32_t j = 0; j < moduleHeightPx; ++j)
            EmitPixelRow(writer, grid, r, j, moduleWidthPx, moduleHeightPx, u, dark, light);
    BlockUnlock(block);
    *width = static_cast<int32_t>(pixelW);
    *height = static_cast<int32_t>(pixelH);
    return block;
}

BlockHandle ScaleModuleMatrix(const ModuleMatrix& matrix, int32_t* height, int32_t* width,
                              int32_t moduleWidthPx, int32_t moduleHeightPx, bool reverseVideo,
                              int32_t undercutPx) {
    return ScaleModuleMatrix(matrix.data(), height, width, moduleWidthPx, moduleHeightPx,
                             reverseVideo, undercutPx);
}

}  // namespace tsy
