// Point fonts: what a caption font is made of (the LOGFONT fields the program uses), created the
// ways the framework creates them. A Font is a plain value; the face file behind it is looked
// up only when text is measured or drawn (text_render.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/screen.h"

namespace tsy {

inline constexpr std::size_t kLogFontFaceMax = 31;  // LF_FACESIZE less the terminator
inline constexpr int32_t kFontWeightDontCare = 0;
inline constexpr uint8_t kDefaultCharset = 1;

struct LogFont {
    // lfHeight: < 0 the character (em) height in pixels, > 0 the cell height, 0 a default size.
    // For CreatePointFontIndirect it holds tenths of a point instead.
    int32_t height = 0;
    int32_t weight = kFontWeightDontCare;  // 0 or 1..1000; 600 and above draws bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint8_t charSet = kDefaultCharset;
    std::u16string faceName;  // at most kLogFontFaceMax characters, longer names are cut

    bool operator==(const LogFont&) const = default;
};

// lfHeight of a point font: -MulDiv(tenths, dpi, 720), so 100 tenths at 96 dpi is -13.
int32_t PointSizeToHeight(int32_t tenths, int dpiY);

class Font {
public:
    Font() = default;  // no font, as a CFont before Create...

    // CreatePointFont: zeroed LOGFONT, DEFAULT_CHARSET, the face and the size for dpiY.
    static Font CreatePointFont(int32_t tenths, std::u16string_view face, int dpiY = ScreenDpiY());
    // CreatePointFontIndirect: lf.height holds tenths of a point; the rest is taken as given.
    static Font CreatePointFontIndirect(const LogFont& lf, int dpiY = ScreenDpiY());
    // CreateFontIndirect: lf.height in pixels as given.
    static Font CreateFontIndirect(const LogFont& lf);

    bool empty() const { return !created_; }
    // GetLogFont; a default LogFont for an empty font.
    const LogFont& logFont() const { return lf_; }
    // DeleteObject: the font becomes empty.
    void reset() { *this = Font(); }

    bool operator==(const Font&) const = default;

private:
    LogFont lf_;
    bool created_ = false;
};

}  // namespace tsy
