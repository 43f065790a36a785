#include "platform/bitmap_ops.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tsy {

namespace {

std::size_t Bytes(int64_t a, int64_t b) {
    return static_cast<std::size_t>(a * b);
}

// Maps destination offset i of a stretch of dw onto a source span of sw, as COLORONCOLOR does.
int SourceIndex(int64_t i, int64_t sw, int64_t dw) {
    return static_cast<int>(i * sw / dw);
}

// The part of [start, start + length) inside [0, limit), as (first, end).
std::pair<int64_t, int64_t> Clip(int64_t start, int64_t length, int64_t limit) {
    return {std::max<int64_t>(start, 0), std::min<int64_t>(start + length, limit)};
}

bool BitAt(const uint8_t* row, int64_t i) {
    return (row[i >> 3] >> (7 - (i & 7))) & 1;
}

void SetBitAt(uint8_t* row, int64_t i, bool one) {
    const auto mask = static_cast<uint8_t>(0x80u >> (i & 7));
    uint8_t& byte = row[i >> 3];
    byte = one ? static_cast<uint8_t>(byte | mask) : static_cast<uint8_t>(byte & ~mask);
}

// Copies count bits of a row, most significant first, from bit from of src to bit to of dst:
// whole destination bytes at a time between the ragged ends (symbols and caption bands are
// copied this way).
void CopyBits(uint8_t* dst, int64_t to, const uint8_t* src, int64_t from, int64_t count) {
    for (; count > 0 && (to & 7) != 0; --count) SetBitAt(dst, to++, BitAt(src, from++));
    uint8_t* out = dst + (to >> 3);
    const uint8_t* in = src + (from >> 3);
    const int shift = static_cast<int>(from & 7);
    const int64_t bytes = count >> 3;
    if (shift == 0) {
        std::memcpy(out, in, static_cast<std::size_t>(bytes));
    } else {
        // Both source bytes hold bits of the span, so neither read leaves the row.
        for (int64_t i = 0; i < bytes; ++i)
            out[i] = static_cast<uint8_t>(in[i] << shift | in[i + 1] >> (8 - shift));
    }
    to += 8 * bytes;
    from += 8 * bytes;
    for (count -= 8 * bytes; count > 0; --count) SetBitAt(dst, to++, BitAt(src, from++));
}

}  // namespace

Bitmap1 MakeBitmap1(int width, int height, const uint8_t* bits) {
    Bitmap1 mono = MakeFilledBitmap1(width, height, false);
    if (bits != nullptr) std::copy(bits, bits + mono.bits.size(), mono.bits.begin());
    return mono;
}

Bitmap1 MakeFilledBitmap1(int width, int height, bool white) {
    Bitmap1 mono;
    if (width <= 0 || height <= 0) return mono;
    mono.width = width;
    mono.height = height;
    mono.bits.assign(Bytes(mono.stride(), height), white ? 0xFF : 0x00);
    return mono;
}

RgbImage MakeRgbImage(int width, int height, uint8_t fill) {
    RgbImage picture;
    if (width <= 0 || height <= 0) return picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(Bytes(int64_t{width} * 3, height), fill);
    return picture;
}

RgbImage Bitmap1ToRgb(const Bitmap1& mono) {
    RgbImage picture = MakeRgbImage(mono.width, mono.height, 255);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (mono.isBlack(x, y)) picture.setPixel(x, y, 0, 0, 0);
        }
    }
    return picture;
}

Bitmap1 RgbToBitmap1(const RgbImage& picture) {
    Bitmap1 mono = MakeFilledBitmap1(picture.width, picture.height, true);
    for (int y = 0; y < mono.height; ++y) {
        for (int x = 0; x < mono.width; ++x) {
            if (!picture.isWhite(x, y)) mono.setBlack(x, y, true);
        }
    }
    return mono;
}

void Blit(RgbImage& dst, int x, int y, const RgbImage& src) {
    const auto [x0, x1] = Clip(x, src.width, dst.width);
    const auto [y0, y1] = Clip(y, src.height, dst.height);
    if (x0 >= x1) return;
    for (int64_t dy = y0; dy < y1; ++dy) {
        const uint8_t* from = src.row(static_cast<int>(dy - y)) + 3 * (x0 - x);
        std::memcpy(dst.row(static_cast<int>(dy)) + 3 * x0, from,
                    static_cast<std::size_t>(3 * (x1 - x0)));
    }
}

void Blit(Bitmap1& dst, int x, int y, const Bitmap1& src) {
    const auto [x0, x1] = Clip(x, src.width, dst.width);
    const auto [y0, y1] = Clip(y, src.height, dst.height);
    if (x0 >= x1) return;
    for (int64_t dy = y0; dy < y1; ++dy) {
        CopyBits(dst.bits.data() + Bytes(dy, dst.stride()), x0,
                 src.bits.data() + Bytes(dy - y, src.stride()), x0 - x, x1 - x0);
    }
}

void StretchBlit(RgbImage& dst, int dx, int dy, int dw, int dh, const RgbImage& src, int sx, int sy,
                 int sw, int sh) {
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const auto [x0, x1] = Clip(dx, dw, dst.width);
    const auto [y0, y1] = Clip(dy, dh, dst.height);
    for (int64_t y = y0; y < y1; ++y) {
        const int srcY = sy + SourceIndex(y - dy, sh, dh);
        if (srcY < 0 || srcY >= src.height) continue;
        const uint8_t* from = src.row(srcY);
        uint8_t* to = dst.row(static_cast<int>(y));
        for (int64_t x = x0; x < x1; ++x) {
            const int srcX = sx + SourceIndex(x - dx, sw, dw);
            if (srcX < 0 || srcX >= src.width) continue;
            std::memcpy(to + 3 * x, from + 3 * srcX, 3);
        }
    }
}

void StretchBlit(Bitmap1& dst, int dx, int dy, int dw, int dh, const Bitmap1& src, int sx, int sy,
                 int sw, int sh) {
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const auto [x0, x1] = Clip(dx, dw, dst.width);
    const auto [y0, y1] = Clip(dy, dh, dst.height);
    if (x0 >= x1) return;
    if (sw == dw) {
        // Not stretched across (the usual caption): the columns that have a source, as spans.
        const int64_t first = std::max<int64_t>(x0, int64_t{dx} - sx);
        const int64_t end = std::min<int64_t>(x1, int64_t{dx} - sx + src.width);
        for (int64_t y = y0; y < y1 && first < end; ++y) {
            const int srcY = sy + SourceIndex(y - dy, sh, dh);
            if (srcY < 0 || srcY >= src.height) continue;
            CopyBits(dst.bits.data() + Bytes(y, dst.stride()), first,
                     src.bits.data() + Bytes(srcY, src.stride()), first - dx + sx, end - first);
        }
        return;
    }
    // Caption bands are stretched a row at a time: the source column of each destination
    // column is worked out once.
    std::vector<int> columns;
    columns.reserve(static_cast<std::size_t>(x1 - x0));
    for (int64_t x = x0; x < x1; ++x) {
        const int srcX = sx + SourceIndex(x - dx, sw, dw);
        columns.push_back(srcX >= 0 && srcX < src.width ? srcX : -1);
    }
    for (int64_t y = y0; y < y1; ++y) {
        const int srcY = sy + SourceIndex(y - dy, sh, dh);
        if (srcY < 0 || srcY >= src.height) continue;
        const uint8_t* from = src.bits.data() + Bytes(srcY, src.stride());
        uint8_t* to = dst.bits.data() + Bytes(y, dst.stride());
        for (int64_t x = x0; x < x1; ++x) {
            const int srcX = columns[static_cast<std::size_t>(x - x0)];
            if (srcX < 0) continue;
            const bool white = (from[srcX >> 3] >> (7 - (srcX & 7))) & 1;
            const auto mask = static_cast<uint8_t>(0x80u >> (x & 7));
            uint8_t& byte = to[x >> 3];
            byte = white ? static_cast<uint8_t>(byte | mask) : static_cast<uint8_t>(byte & ~mask);
        }
    }
}

}  // namespace tsy
