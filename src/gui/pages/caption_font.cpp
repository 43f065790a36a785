#include "gui/pages/caption_font.h"

#include <algorithm>
#include <cmath>

#include "gui/framework/page_binding.h"

namespace tsy::gui {

QFont ToQFont(const LogFont& font, int32_t tenthsOfPoint) {
    QFont q(ToQ(font.faceName));
    q.setPointSizeF(tenthsOfPoint / 10.0);
    // Both scales run 1..1000 with 400 normal and 700 bold; 0 is "don't care".
    if (font.weight > 0) q.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    return q;
}

FontDescriptionFields FromQFont(const QFont& font) {
    FontDescriptionFields f;
    f.face = FromQ(font.family());
    f.size = static_cast<int32_t>(std::lround(font.pointSizeF() * 10.0));
    f.weight = static_cast<int32_t>(font.weight());
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikeOut = font.strikeOut();
    f.charSet = kDefaultCharset;  // Qt picks glyphs by script, not by character set
    return f;
}

}  // namespace tsy::gui
