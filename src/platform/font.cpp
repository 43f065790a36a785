#include "platform/font.h"

namespace tsy {

namespace {

LogFont Bounded(LogFont lf) {
    if (lf.faceName.size() > kLogFontFaceMax) lf.faceName.resize(kLogFontFaceMax);
    return lf;
}

}  // namespace

int32_t PointSizeToHeight(int32_t tenths, int dpiY) {
    const int pixels = MulDiv(tenths, dpiY, 720);
    // GDI takes the magnitude, so a negative size still names a character height.
    return pixels < 0 ? pixels : -pixels;
}

Font Font::CreatePointFont(int32_t tenths, std::u16string_view face, int dpiY) {
    LogFont lf;
    lf.height = tenths;
    lf.faceName = std::u16string(face);
    return CreatePointFontIndirect(lf, dpiY);
}

Font Font::CreatePointFontIndirect(const LogFont& lf, int dpiY) {
    LogFont sized = lf;
    sized.height = PointSizeToHeight(lf.height, dpiY);
    return CreateFontIndirect(sized);
}

Font Font::CreateFontIndirect(const LogFont& lf) {
    Font font;
    font.lf_ = Bounded(lf);
    font.created_ = true;
    return font;
}

}  // namespace tsy
