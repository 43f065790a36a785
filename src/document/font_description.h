// The caption font as one line of text, as the profile and document files keep it:
// "01,<face>,h<tenths>,w<weight>,i<0|1>,u<0|1>,s<0|1>,c<charset>".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/font.h"

namespace tsy {

inline constexpr std::size_t kFontFaceReadLimit = 31;

struct FontDescriptionFields {
    std::u16string face;
    int32_t size = 0;  // tenths of a point
    int32_t weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint32_t charSet = 0;
};

std::u16string FormatFontDescription(const FontDescriptionFields& font);
// The description of a caption font: its face and style, with the size in tenths of a point.
std::u16string FormatFontDescription(const LogFont& lf, int32_t tenths);

struct ParsedFontDescription {
    int fieldsRead = 0;          // 0: nothing usable, fall back to the document's face and size
    FontDescriptionFields font;  // fields not read are 0
};

// Reads like the format "01,%31[^,],h%i,w%i,i%hc,u%hc,s%hc,c%u": stops at the first mismatch;
// of the italic, underline and strike-out characters only the lowest bit counts. A face longer
// than 31 characters is cut there, which also ends the reading.
ParsedFontDescription ParseFontDescription(std::u16string_view text);

}  // namespace tsy
