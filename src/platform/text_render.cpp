#include "platform/text_render.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/face_cache.h"
#include "platform/utf8_text.h"

namespace tsy {

namespace {

using detail::Freetype;
using detail::OpenedFace;

constexpr int64_t kMaxEmPixels = 32767;
// Slant of a synthetic italic, as 16.16 fixed point (about 12 degrees).
constexpr FT_Fixed kItalicShear = 0x0366A;

// Pixel sizes of a font on a face; everything a line needs besides the glyphs.
struct LineMetrics {
    int em = 0;
    int ascent = 0;
    int descent = 0;
    FT_Pos boldStrength = 0;  // 26.6, horizontal growth of a synthetic bold
};

int64_t Scale(int64_t units, int64_t em, int64_t unitsPerEm) {
    if (unitsPerEm <= 0) return 0;
    const int64_t scaled = units * em;
    return scaled >= 0 ? (scaled + unitsPerEm / 2) / unitsPerEm
                       : -((-scaled + unitsPerEm / 2) / unitsPerEm);
}

// Ascent and descent in font units: the Windows metrics GDI positions TA_TOP text by.
std::pair<int64_t, int64_t> CellUnits(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(Freetype()->FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        return {os2->usWinAscent, os2->usWinDescent};
    }
    return {face->ascender, -int64_t{face->descender}};
}

int64_t EmPixels(const LogFont& lf, FT_Face face) {
    int64_t em = 0;
    if (lf.height < 0) {
        em = -int64_t{lf.height};
    } else if (lf.height > 0) {
        // A positive height is the cell, ascent plus descent.
        const auto [ascent, descent] =
            face != nullptr ? CellUnits(face) : std::pair<int64_t, int64_t>{1, 0};
        const int64_t unitsPerEm = face != nullptr ? face->units_per_EM : 1;
        em = ascent + descent > 0 ? Scale(lf.height, unitsPerEm, ascent + descent) : lf.height;
    } else {
        em = -int64_t{PointSizeToHeight(100, ScreenDpiY())};
    }
    return std::clamp<int64_t>(em, 1, kMaxEmPixels);
}

// Sizes the face for the font; false when it cannot be used (then nothing is drawn).
bool SizeFace(const OpenedFace& opened, const LogFont& lf, LineMetrics* metrics) {
    FT_Face face = opened.face;
    metrics->em = static_cast<int>(EmPixels(lf, face));
    if (face == nullptr) {
        metrics->ascent = metrics->em;
        return false;
    }
    if (Freetype()->FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(metrics->em)) != 0) {
        metrics->ascent = metrics->em;
        return false;
    }
    const auto [ascent, descent] = CellUnits(face);
    metrics->ascent = static_cast<int>(Scale(ascent, metrics->em, face->units_per_EM));
    metrics->descent = static_cast<int>(Scale(descent, metrics->em, face->units_per_EM));
    if (opened.syntheticBold) metrics->boldStrength = std::max<FT_Pos>(64, metrics->em * 64 / 24);
    return true;
}

// Loads a glyph as it is drawn and returns its advance in whole pixels.
int LoadGlyph(const OpenedFace& opened, const LineMetrics& metrics, char32_t c) {
    FT_Face face = opened.face;
    const FT_UInt index = Freetype()->FT_Get_Char_Index(face, c);
    if (Freetype()->FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0)
        return 0;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (opened.syntheticBold)
            Freetype()->FT_Outline_EmboldenXY(&slot->outline, metrics.boldStrength, 0);
        if (opened.syntheticItalic) {
            FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
            Freetype()->FT_Outline_Transform(&slot->outline, &shear);
        }
    }
    return static_cast<int>((slot->advance.x + metrics.boldStrength + 32) >> 6);
}

// A glyph as rendered: one-bit rows top first, pitch bytes each.
struct RenderedGlyph {
    int advance = 0;
    bool drawn = false;
    int left = 0;
    int top = 0;
    unsigned width = 0;
    unsigned rows = 0;
    unsigned pitch = 0;
    std::vector<unsigned char> bits;
};

RenderedGlyph Render(const OpenedFace& opened, const LineMetrics& metrics, char32_t c) {
    RenderedGlyph g;
    g.advance = LoadGlyph(opened, metrics, c);
    FT_GlyphSlot slot = opened.face->glyph;
    if (Freetype()->FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return g;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO || bitmap.buffer == nullptr) return g;
    g.drawn = true;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = bitmap.width;
    g.rows = bitmap.rows;
    g.pitch = static_cast<unsigned>(bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch);
    g.bits.resize(static_cast<std::size_t>(g.pitch) * g.rows);
    for (unsigned row = 0; row < g.rows; ++row) {
        const unsigned stored = bitmap.pitch < 0 ? g.rows - 1 - row : row;
        std::memcpy(g.bits.data() + static_cast<std::size_t>(row) * g.pitch,
                    bitmap.buffer + static_cast<std::size_t>(stored) * g.pitch, g.pitch);
    }
    return g;
}

// Rendered glyphs per face, size and synthetic style: captions repeat the same few characters
// and hinting a glyph costs more than drawing it.
using GlyphKey = std::tuple<FT_Face, int, FT_Pos, bool>;
const RenderedGlyph& CachedGlyph(const OpenedFace& opened, const LineMetrics& metrics, char32_t c) {
    static auto* cache = new std::map<GlyphKey, std::unordered_map<char32_t, RenderedGlyph>>;
    auto& glyphs =
        (*cache)[{opened.face, metrics.em, metrics.boldStrength, opened.syntheticItalic}];
    auto found = glyphs.find(c);
    if (found == glyphs.end()) found = glyphs.emplace(c, Render(opened, metrics, c)).first;
    return found->second;
}

// Measuring renders the glyphs the caption will draw anyway, so each is hinted once.
int64_t LineWidth(const OpenedFace& opened, const LineMetrics& metrics, const std::u32string& text,
                  bool usable) {
    if (!usable) return static_cast<int64_t>(text.size()) * (metrics.em / 2);
    int64_t width = 0;
    for (char32_t c : text) width += CachedGlyph(opened, metrics, c).advance;
    return width;
}

template <class Plot>
void PlotGlyph(const RenderedGlyph& g, int penX, int baseline, Plot& plot) {
    if (!g.drawn) return;
    for (unsigned row = 0; row < g.rows; ++row) {
        const unsigned char* bits = g.bits.data() + static_cast<std::size_t>(row) * g.pitch;
        const int y = baseline - g.top + static_cast<int>(row);
        if constexpr (requires { plot.Row(0, 0, bits, 0u); }) {
            if (plot.Row(penX + g.left, y, bits, g.width)) continue;
        }
        for (unsigned col = 0; col < g.width; ++col) {
            if (bits[col >> 3] & (0x80u >> (col & 7)))
                plot(penX + g.left + static_cast<int>(col), y);
        }
    }
}

template <class Plot>
void PlotBar(int64_t left, int64_t width, int64_t top, int64_t thickness, Plot& plot) {
    for (int64_t y = top; y < top + thickness; ++y) {
        for (int64_t x = left; x < left + width; ++x)
            plot(static_cast<int>(x), static_cast<int>(y));
    }
}

template <class Plot>
void PlotDecorations(const OpenedFace& opened, const LogFont& lf, const LineMetrics& metrics,
                     int64_t left, int64_t width, int64_t baseline, Plot& plot) {
    FT_Face face = opened.face;
    const int64_t thickness =
        std::max<int64_t>(1, Scale(face->underline_thickness, metrics.em, face->units_per_EM));
    if (lf.underline) {
        const int64_t position = Scale(face->underline_position, metrics.em, face->units_per_EM);
        PlotBar(left, width, baseline - position - thickness / 2, thickness, plot);
    }
    if (lf.strikeOut) {
        const auto* os2 =
            static_cast<const TT_OS2*>(Freetype()->FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        const int64_t position =
            os2 != nullptr ? Scale(os2->yStrikeoutPosition, metrics.em, face->units_per_EM)
                           : metrics.ascent * 3 / 10;
        PlotBar(left, width, baseline - position - thickness / 2, thickness, plot);
    }
}

// Only the part inside the picture is drawn; glyphs that start right of it are not rendered.
template <class Plot>
void DrawLine(const Font& font, int x, int y, std::u16string_view text, TextAlign align,
              int pictureWidth, Plot plot) {
    if (font.empty() || text.empty()) return;
    const std::u32string chars = Utf16ToCodePoints(text);
    std::lock_guard<std::mutex> lock(detail::FaceCacheMutex());
    const OpenedFace& opened = detail::OpenFace(font.logFont());
    LineMetrics metrics;
    if (!SizeFace(opened, font.logFont(), &metrics)) return;
    const int64_t width = LineWidth(opened, metrics, chars, true);
    const int64_t left = align == TextAlign::CenterTop ? x - width / 2 : x;
    const int64_t baseline = int64_t{y} + metrics.ascent;
    int64_t pen = left;
    for (char32_t c : chars) {
        if (pen >= pictureWidth) break;
        const RenderedGlyph& glyph = CachedGlyph(opened, metrics, c);
        if (pen + 2 * metrics.em >= 0) {
            PlotGlyph(glyph, static_cast<int>(pen), static_cast<int>(baseline), plot);
        }
        pen += glyph.advance;
    }
    PlotDecorations(opened, font.logFont(), metrics, left, width, baseline, plot);
}

}  // namespace

TextSize MeasureTextLine(const Font& font, std::u16string_view text) {
    if (font.empty() || text.empty()) return {};
    const std::u32string chars = Utf16ToCodePoints(text);
    std::lock_guard<std::mutex> lock(detail::FaceCacheMutex());
    const OpenedFace& opened = detail::OpenFace(font.logFont());
    LineMetrics metrics;
    const bool usable = SizeFace(opened, font.logFont(), &metrics);
    const int64_t width = LineWidth(opened, metrics, chars, usable);
    const int64_t height = int64_t{metrics.ascent} + metrics.descent;
    constexpr int64_t kIntMax = 0x7FFFFFFF;
    return {static_cast<int>(std::min(width, kIntMax)),
            static_cast<int>(std::min(height, kIntMax))};
}

void DrawTextLine(RgbImage& picture, const Font& font, int x, int y, std::u16string_view text,
                  TextAlign align) {
    DrawLine(font, x, y, text, align, picture.width, [&picture](int px, int py) {
        if (px >= 0 && py >= 0 && px < picture.width && py < picture.height) {
            picture.setPixel(px, py, 0, 0, 0);
        }
    });
}

namespace {

// Plots into a one-bit picture; glyph rows that lie wholly inside it go in a byte at a time.
struct MonoPlot {
    Bitmap1& picture;

    void operator()(int px, int py) const {
        if (px >= 0 && py >= 0 && px < picture.width && py < picture.height) {
            picture.setBlack(px, py, true);
        }
    }

    // False when the row is not wholly inside: then it is plotted a pixel at a time.
    bool Row(int x, int y, const unsigned char* bits, unsigned width) const {
        if (x < 0 || y < 0 || y >= picture.height || int64_t{x} + width > int64_t{picture.width})
            return false;
        uint8_t* row = picture.bits.data() +
                       static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.stride());
        for (unsigned k = 0; 8 * k < width; ++k) {
            unsigned ink = bits[k];
            if (8 * k + 8 > width) ink &= 0xFFu << (8 - (width - 8 * k));
            if (ink == 0) continue;
            // Black is a clear bit; the second byte is touched only for ink that lands there,
            // which lies inside the picture.
            const unsigned at = static_cast<unsigned>(x) + 8 * k;
            const unsigned shift = at & 7;
            uint8_t* out = row + (at >> 3);
            out[0] = static_cast<uint8_t>(out[0] & ~(ink >> shift));
            const auto spill = static_cast<uint8_t>(ink << (8 - shift));
            if (shift != 0 && spill != 0) out[1] = static_cast<uint8_t>(out[1] & ~spill);
        }
        return true;
    }
};

}  // namespace

void DrawTextLine(Bitmap1& picture, const Font& font, int x, int y, std::u16string_view text,
                  TextAlign align) {
    DrawLine(font, x, y, text, align, picture.width, MonoPlot{picture});
}

ResolvedFace ResolveFace(const Font& font) {
    std::lock_guard<std::mutex> lock(detail::FaceCacheMutex());
    return detail::OpenFace(font.logFont()).info;
}

}  // namespace tsy
