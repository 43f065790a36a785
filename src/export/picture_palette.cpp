#include "export/picture_palette.h"

#include <algorithm>
#include <cstring>

namespace tsy {
namespace {

uint32_t Key(const uint8_t* p) {
    return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
}

// The distinct colours, sorted; false past 256.
bool CollectColours(const RgbImage& picture, std::vector<uint32_t>* colours) {
    const uint8_t* p = picture.pixels.data();
    const std::size_t count =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    // Symbols are long runs of one colour: most pixels repeat one of the last two seen.
    uint32_t last = Key(p), other = last;
    colours->assign(1, last);
    for (std::size_t i = 1; i < count; ++i) {
        const uint32_t key = Key(p + 3 * i);
        if (key == last) continue;
        if (key != other) {
            auto at = std::lower_bound(colours->begin(), colours->end(), key);
            if (at == colours->end() || *at != key) {
                if (colours->size() == 256) return false;
                colours->insert(at, key);
            }
        }
        other = last;
        last = key;
    }
    return true;
}

void PackOneBit(const RgbImage& picture, PalettePicture* out) {
    const uint32_t one = out->colours.size() > 1 ? out->colours[1] : 0x1000000;
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* src = picture.row(y);
        uint8_t* dst = out->indices.data() + static_cast<std::size_t>(y) * out->stride;
        for (int x = 0; x < picture.width; ++x) {
            if (Key(src + 3 * x) == one) dst[x >> 3] |= static_cast<uint8_t>(0x80u >> (x & 7));
        }
    }
}

void IndexBytes(const RgbImage& picture, PalettePicture* out) {
    const auto& colours = out->colours;
    uint32_t lastKey = colours.front();
    uint8_t lastIndex = 0;
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* src = picture.row(y);
        uint8_t* dst = out->indices.data() + static_cast<std::size_t>(y) * out->stride;
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t key = Key(src + 3 * x);
            if (key != lastKey) {
                lastKey = key;
                lastIndex = static_cast<uint8_t>(
                    std::lower_bound(colours.begin(), colours.end(), key) - colours.begin());
            }
            dst[x] = lastIndex;
        }
    }
}

// The common case in one pass: black and white only. False, with out->indices partly written,
// at the first other colour.
bool PackBlackAndWhite(const RgbImage& picture, PalettePicture* out) {
    unsigned seen = 0;  // bit 0: black, bit 1: white
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* p = picture.row(y);
        uint8_t* dst = out->indices.data() + static_cast<std::size_t>(y) * out->stride;
        for (int x = 0; x < picture.width; x += 8) {
            const int end = std::min(picture.width, x + 8);
            unsigned byte = 0;
            for (int i = x; i < end; ++i, p += 3) {
                const unsigned v = p[0];
                if (v != p[1] || v != p[2] || static_cast<uint8_t>(v + 1) > 1) return false;
                const unsigned white = v & 1;
                seen |= 1u << white;
                byte |= white << (7 - (i - x));
            }
            *dst++ = static_cast<uint8_t>(byte);
        }
    }
    if (seen == 2) {
        // White alone is palette entry 0.
        out->colours.assign(1, 0xFFFFFF);
        std::fill(out->indices.begin(), out->indices.end(), uint8_t{0});
    } else {
        out->colours = seen == 1 ? std::vector<uint32_t>{0} : std::vector<uint32_t>{0, 0xFFFFFF};
    }
    return true;
}

// Sizes the index rows for bits per pixel (1 or 8), all index 0.
void ResetIndices(int width, int height, int bits, PalettePicture* out) {
    out->width = width;
    out->height = height;
    out->bits = bits;
    const auto w = static_cast<std::size_t>(width);
    out->stride = bits == 1 ? (w + 7) / 8 : w;
    out->indices.assign(out->stride * static_cast<std::size_t>(height), 0);
}

}  // namespace

bool MakePalettePicture(const RgbImage& picture, PalettePicture* out) {
    ResetIndices(picture.width, picture.height, 1, out);
    if (PackBlackAndWhite(picture, out)) return true;
    if (!CollectColours(picture, &out->colours)) return false;
    ResetIndices(picture.width, picture.height, out->colours.size() <= 2 ? 1 : 8, out);
    if (out->bits == 1) {
        PackOneBit(picture, out);
    } else {
        IndexBytes(picture, out);
    }
    return true;
}

void MakePalettePicture(const Bitmap1& picture, PalettePicture* out) {
    ResetIndices(picture.width, picture.height, 1, out);
    // Bits past the width are padding, whatever they hold.
    const unsigned tail = static_cast<unsigned>(picture.width) % 8;
    const auto lastMask = static_cast<uint8_t>(tail == 0 ? 0xFF : 0xFF << (8 - tail));
    bool black = false, white = false;
    const std::size_t stride = out->stride;
    for (int y = 0; stride > 0 && y < picture.height; ++y) {
        const uint8_t* src = picture.bits.data() + static_cast<std::size_t>(y) *
                                                       static_cast<std::size_t>(picture.stride());
        uint8_t* dst = out->indices.data() + static_cast<std::size_t>(y) * stride;
        // The rows are the index rows already (bit 1 white, entry 1); only the last byte's
        // padding is cleared, and the colours are looked at until both have been seen.
        std::memcpy(dst, src, stride);
        dst[stride - 1] = static_cast<uint8_t>(dst[stride - 1] & lastMask);
        for (std::size_t i = 0; i < stride && !(black && white); ++i) {
            const uint8_t mask = i + 1 == stride ? lastMask : uint8_t{0xFF};
            white = white || dst[i] != 0;
            black = black || dst[i] != mask;
        }
    }
    if (!black) {
        // White alone is palette entry 0, as for the RGB form.
        out->colours.assign(1, 0xFFFFFF);
        std::fill(out->indices.begin(), out->indices.end(), uint8_t{0});
    } else {
        out->colours = white ? std::vector<uint32_t>{0, 0xFFFFFF} : std::vector<uint32_t>{0};
    }
}

}  // namespace tsy
