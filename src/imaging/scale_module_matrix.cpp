#include <algorithm>
#include <cstdint>
#include <cstring>

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

// The pixels of one module: `before` for the columns left of the undercut column, `after` from
// it on (equal when nothing is thinned).
uint64_t ModuleBits(int before, int after, int32_t X, int32_t l) {
    const uint64_t all = (uint64_t{1} << X) - 1;
    const uint64_t right = (uint64_t{1} << (X - l)) - 1;
    return (before ? all & ~right : 0) | (after ? right : 0);
}

// One pixel row j of matrix row r, following the undercut rules on module values.
void EmitPixelRow(BitRunWriter& out, const Grid& g, int32_t r, int32_t j, int32_t X, int32_t Y,
                  int32_t u, int dark, int light) {
    const bool inBottomBand = u > 0 && j >= Y - u;
    const int32_t l = X - u;
    const bool thinsRight = u > 0 && l >= 0 && l < X;
    for (int32_t c = 0; c < g.cols; ++c) {
        const bool d = g.dark(r, c);
        int v = d ? dark : light;
        if (d && inBottomBand && !g.dark(r + 1, c)) v = light;
        int after = v;
        if (thinsRight && v == dark &&
            (c == g.cols - 1 || !g.dark(r, c + 1) || (inBottomBand && !g.dark(r + 1, c + 1))))
            after = light;
        if (X <= 56) {
            out.put(ModuleBits(v, after, X, thinsRight ? l : X), X);
        } else if (thinsRight) {
            out.run(v, l);
            out.run(after, X - l);
        } else {
            out.run(v, X);
        }
    }
    out.padTo16(light);
}

// The eight bits of v, each repeated X times (X at most 7). One and two pixels a module, the
// usual sizes, without a loop.
uint64_t Widen(unsigned v, int32_t X, uint64_t all) {
    if (X == 1) return v;
    if (X == 2) {
        unsigned x = (v | v << 4) & 0x0F0Fu;
        x = (x | x << 2) & 0x3333u;
        x = (x | x << 1) & 0x5555u;
        return x | x << 1;
    }
    uint64_t wide = 0;
    for (int b = 7; b >= 0; --b) wide = (wide << X) | (((v >> b) & 1) ? all : 0);
    return wide;
}

// Without undercut a module is X pixels of its colour: eight modules at a time, from whole
// bytes of the matrix row (most symbols are drawn this way).
void EmitPlainRow(BitRunWriter& out, const uint8_t* bits, int32_t cols, int32_t X, int dark,
                  int light) {
    // Bits of the row as pixel values: a dark module is 1 in the matrix.
    const uint8_t flip = dark ? 0x00 : 0xFF;
    int32_t c = 0;
    if (X <= 7) {
        const uint64_t all = (uint64_t{1} << X) - 1;
        for (; c + 8 <= cols; c += 8) {
            const unsigned v = static_cast<uint8_t>(bits[c / 8] ^ flip);
            out.put(Widen(v, X, all), 8 * X);
        }
    }
    for (; c < cols; ++c) {
        const int v = (((bits[c / 8] ^ flip) >> (7 - c % 8)) & 1);
        if (X <= 56) {
            out.put(v ? (uint64_t{1} << X) - 1 : 0, X);
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
    // Within a module row, the pixel rows above the undercut band are all alike, and so are
    // the rows inside it: each kind is drawn once and copied.
    const std::size_t stride = static_cast<std::size_t>(RasterStride(pixelW));
    const int32_t bandStart = std::clamp(moduleHeightPx - u, 0, moduleHeightPx);
    uint8_t* row = out;
    for (int32_t r = 0; r < grid.rows; ++r) {
        for (int32_t j = 0; j < moduleHeightPx; ++j, row += stride) {
            if (j != 0 && j != bandStart) {
                std::memcpy(row, row - stride, stride);
                continue;
            }
            BitRunWriter writer(row);
            if (u == 0) {
                EmitPlainRow(writer, matrix + r * grid.stride, grid.cols, moduleWidthPx, dark,
                             light);
            } else {
                EmitPixelRow(writer, grid, r, j, moduleWidthPx, moduleHeightPx, u, dark, light);
            }
        }
    }
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

OwnedRaster ScaledRaster(const ModuleMatrix& matrix, int32_t moduleWidthPx, int32_t moduleHeightPx,
                         bool reverseVideo, int32_t undercutPx) {
    int32_t height = matrix.height();
    int32_t width = matrix.width();
    BlockHandle block = ScaleModuleMatrix(matrix, &height, &width, moduleWidthPx, moduleHeightPx,
                                          reverseVideo, undercutPx);
    return OwnedRaster::Adopt(block, height, width);
}

}  // namespace tsy
