#include <cstring>

#include "encoders/linear/code39_detail.h"
#include "encoders/linear/linear_encoders.h"
#include "imaging/raster_limits.h"
#include "imaging/scalers.h"
#include "platform/row_stride.h"

namespace tsy::linear {
namespace {

constexpr int kStartStopValue = 43;
constexpr int kQuietZoneNarrows = 10;

int ValueOf(char c) {
    if (c == '*') return kStartStopValue;
    const char* p = std::strchr(kCode39Charset, c);
    return p && c ? static_cast<int>(p - kCode39Charset) : -1;
}

}  // namespace

void AppendCode39Check(std::string& expanded) {
    // Only a real start character is skipped: in a menu code the first character is data.
    const std::size_t first = !expanded.empty() && expanded[0] == '*' ? 1 : 0;
    long long sum = 0;
    for (std::size_t i = first; i < expanded.size(); ++i) {
        const int v = ValueOf(expanded[i]);
        if (v >= 0 && v < kStartStopValue) sum += v;
    }
    expanded += kCode39Charset[sum % 43];
}

std::string Code39Expand(const uint8_t* message, int length, bool checkCharacter, bool menuCode) {
    // Sized from the message, so a long expansion (60 bytes can become 120 characters) fits.
    std::string s;
    s.reserve(static_cast<std::size_t>(length) * 2 + 3);
    if (!menuCode) s += '*';
    for (int i = 0; i < length; ++i) {
        if (message[i] > 127) return {};
        s += kCode39FullAscii[message[i]];
    }
    if (checkCharacter) AppendCode39Check(s);
    if (!menuCode) s += '*';
    return s;
}

int64_t Code39PixelWidth(int64_t characters, int64_t narrow, int64_t wide) {
    return characters * (3 * wide + 7 * narrow) + 2 * kQuietZoneNarrows * narrow;
}

std::vector<uint8_t> Code39PixelRow(const std::string& expanded, int narrow, int wide) {
    std::vector<uint8_t> row;
    row.reserve(static_cast<std::size_t>(
        Code39PixelWidth(static_cast<int64_t>(expanded.size()), narrow, wide)));
    row.insert(row.end(), static_cast<std::size_t>(kQuietZoneNarrows * narrow), 0);
    for (char c : expanded) {
        const uint16_t pattern = kCode39Patterns[ValueOf(c)];
        for (int e = 0; e < 9; ++e) {
            const bool isWide = (pattern >> (8 - e)) & 1;
            row.insert(row.end(), static_cast<std::size_t>(isWide ? wide : narrow), e % 2 == 0);
        }
        row.insert(row.end(), static_cast<std::size_t>(narrow), 0);  // inter-character gap
    }
    row.insert(row.end(), static_cast<std::size_t>(kQuietZoneNarrows * narrow), 0);
    return row;
}

OwnedRaster Code39Raster(const uint8_t* message, int32_t length, int32_t wideWidthPx,
                         int32_t narrowWidthPx, int32_t barHeightPx, bool checkCharacter,
                         bool menuCode) noexcept {
    if (!message || length < 1) return {};
    const int32_t narrow = narrowWidthPx < 1 ? 1 : narrowWidthPx;
    const int32_t wide = wideWidthPx < narrow ? narrow + 1 : wideWidthPx;
    const int32_t height = barHeightPx < 1 ? 1 : barHeightPx;
    // Each byte gives at least one character: a message too wide even so is not expanded.
    const int64_t fewest = int64_t{length} + (menuCode ? 0 : 2);
    if (!RasterSizeOk(Code39PixelWidth(fewest, narrow, wide), height)) return {};
    try {
        const std::string expanded = Code39Expand(message, length, checkCharacter, menuCode);
        if (expanded.empty()) return {};
        // Checked before building a row of one byte a pixel column.
        const int64_t width = Code39PixelWidth(static_cast<int64_t>(expanded.size()), narrow, wide);
        if (!RasterSizeOk(width, height)) return {};
        const std::vector<uint8_t> columns = Code39PixelRow(expanded, narrow, wide);
        std::vector<uint8_t> packed(static_cast<std::size_t>(WordAlignedRowBytes(columns.size())),
                                    0);
        PackModuleBytes(packed.data(), columns.data(), static_cast<int32_t>(columns.size()));
        int32_t pixelWidth = static_cast<int32_t>(columns.size());
        BlockHandle block = ScaleLinearRow(packed.data(), height, &pixelWidth, 1);
        return OwnedRaster::Adopt(block, height, pixelWidth);
    } catch (...) {
        return {};
    }
}

BlockHandle EncodeCode39(const uint8_t* message, int32_t length, int32_t wideWidthPx,
                         int32_t narrowWidthPx, int32_t barHeightPx, int32_t* widthOut,
                         bool checkCharacter, bool menuCode, void** pixelsOut) noexcept {
    if (widthOut) *widthOut = 0;
    if (pixelsOut) *pixelsOut = nullptr;
    return Code39Raster(message, length, wideWidthPx, narrowWidthPx, barHeightPx, checkCharacter,
                        menuCode)
        .Release(nullptr, widthOut, pixelsOut);
}

}  // namespace tsy::linear
