#include <cstdio>
#include <vector>

#include "imaging/scalers.h"
#include "platform/le_bytes.h"

namespace tsy {
namespace {

std::vector<uint8_t> BmpHeader(uint32_t widthPx, uint32_t heightPx, uint32_t imageSize) {
    std::vector<uint8_t> h;
    h.reserve(62);
    h.push_back('B');
    h.push_back('M');
    PutLe32(h, 62 + imageSize);
    PutLe16(h, 0);
    PutLe16(h, 0);
    PutLe32(h, 62);
    PutLe32(h, 40);
    PutLe32(h, widthPx);
    PutLe32(h, heightPx);
    PutLe16(h, 1);
    PutLe16(h, 1);
    PutLe32(h, 0);
    PutLe32(h, imageSize);
    PutLe32(h, 0);
    PutLe32(h, 0);
    PutLe32(h, 2);
    PutLe32(h, 2);
    for (uint8_t c : {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00}) h.push_back(c);
    return h;
}

}  // namespace

bool WriteRasterBmp(const void* raster, uint16_t heightPx, uint16_t widthPx, const char* path) {
    if (!raster || !path) return false;
    const uint32_t S = (widthPx + 15u) / 16u * 2u;
    const uint32_t F = (S + 3u) / 4u * 4u;
    const uint32_t I = F * heightPx;
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::vector<uint8_t> out = BmpHeader(widthPx, heightPx, I);
    out.reserve(62 + I);
    const auto* src = static_cast<const uint8_t*>(raster);
    const uint32_t usedBits = widthPx % 8u;
    const uint32_t lastUsedByte = (widthPx + 7u) / 8u;  // bytes holding at least one pixel
    for (int y = heightPx - 1; y >= 0; --y) {
        const uint8_t* row = src + static_cast<std::size_t>(y) * S;
        for (uint32_t i = 0; i < S; ++i) {
            uint8_t b = row[i];
            if (i == S - 1) {
                // The last source byte: bits beyond the picture read as white.
                if (i >= lastUsedByte)
                    b = 0xFF;
                else if (usedBits)
                    b = static_cast<uint8_t>(b | (0xFFu >> usedBits));
            }
            out.push_back(b);
        }
        for (uint32_t i = S; i < F; ++i) out.push_back(0x01);
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace tsy
