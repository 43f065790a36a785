// A picture as a placeable Windows metafile: one stretched DIB drawn at a chosen scale.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace tsy {

class CMetafile {
public:
    static constexpr std::size_t kPlaceableHeaderSize = 22;

    // Records a copy of source drawn at (W x scaleX) x (H x scaleY), truncated, with
    // anisotropic mapping and COLORONCOLOR stretching. dpiX is the screen's horizontal
    // resolution, the header's units per inch. Non-zero on success; 0 when the picture is
    // unusable or the drawn size is not 1 to 32767 a side (the header holds 16-bit values).
    int Create(const RgbImage& source, double scaleX, double scaleY, int dpiX = 96);

    // Writes the placeable header and the records through the safe-save path. False (with
    // *error) when Create did not succeed or the file cannot be written.
    bool Write(const std::filesystem::path& path, std::string* error) const;

    // The whole file: placeable header, then the metafile. Empty before a successful Create.
    std::string Bytes() const;

    int DrawnWidth() const { return drawnWidth_; }
    int DrawnHeight() const { return drawnHeight_; }

private:
    std::array<uint8_t, kPlaceableHeaderSize> header_{};
    std::vector<uint8_t> records_;  // META_HEADER and the records, META_EOF last
    int drawnWidth_ = 0;
    int drawnHeight_ = 0;
};

}  // namespace tsy
