// Text measured and drawn with a Font: FreeType glyphs from the face fontconfig finds. "Arial"
// and the other core faces resolve to their metric-compatible Liberation faces; a face that is
// not installed falls back to Liberation Sans (then to any face fontconfig offers, and with no
// face at all text is measured at half an em a character and drawn blank), never to a failure.
// Fontconfig starts on the first measurement or drawing, and each face file is opened once per
// process. Glyphs are drawn without anti-aliasing, black on whatever the picture holds, so the
// one-bit and RGB forms of a caption agree.
#pragma once

#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/font.h"

namespace tsy {

struct TextSize {
    int width = 0;
    int height = 0;
    bool operator==(const TextSize&) const = default;
};

// Advance width of the text drawn as one line (no line breaks, no '&' prefixes) and the cell
// height (ascent + descent) in pixels. Empty text or an empty font: 0 x 0.
TextSize MeasureTextLine(const Font& font, std::u16string_view text);

enum class TextAlign { LeftTop, CenterTop };

// TextOut: the text as one line in black; (x, y) is the top-left corner of the cell
// (LeftTop) or the middle of its top edge (CenterTop, TA_CENTER | TA_TOP). Clipped to the
// picture.
void DrawTextLine(RgbImage& picture, const Font& font, int x, int y, std::u16string_view text,
                  TextAlign align = TextAlign::LeftTop);
void DrawTextLine(Bitmap1& picture, const Font& font, int x, int y, std::u16string_view text,
                  TextAlign align = TextAlign::LeftTop);

// Which face a font is drawn with: the family name ("Liberation Sans") and the file; both empty
// when no face could be opened at all.
struct ResolvedFace {
    std::string family;
    std::string file;
    bool fallback = false;  // the requested face was not found
};
ResolvedFace ResolveFace(const Font& font);

}  // namespace tsy
