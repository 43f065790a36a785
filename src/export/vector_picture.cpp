#include "export/vector_picture.h"

#include <algorithm>

#include "document/encoder_doc.h"
#include "imaging/captioned_bitmap.h"

namespace tsy {

std::vector<PixelRect> DarkRectangles(const Bitmap1& bits) {
    std::vector<PixelRect> done;
    std::vector<PixelRect> open;  // reaching the previous row, by x
    std::vector<PixelRect> next;
    const auto stride = static_cast<std::size_t>(bits.stride());
    for (int y = 0; y < bits.height; ++y) {
        // A row like the one above (most rows of a symbol) only lengthens what is open.
        const uint8_t* row = bits.bits.data() + static_cast<std::size_t>(y) * stride;
        if (y > 0 && std::equal(row, row + stride, row - stride)) {
            for (PixelRect& r : open) ++r.height;
            continue;
        }
        next.clear();
        std::size_t o = 0;
        for (int x = 0; x < bits.width;) {
            if (!bits.isBlack(x, y)) {
                // Whole white bytes at once.
                x = x % 8 == 0 && row[x / 8] == 0xFF ? x + 8 : x + 1;
                continue;
            }
            const int start = x;
            while (x < bits.width && bits.isBlack(x, y)) ++x;
            // Open rectangles left of this run cannot continue: runs only move right.
            while (o < open.size() && open[o].x < start) done.push_back(open[o++]);
            if (o < open.size() && open[o].x == start && open[o].width == x - start) {
                PixelRect grown = open[o++];
                ++grown.height;
                next.push_back(grown);
            } else {
                next.push_back({start, y, x - start, 1});
            }
        }
        done.insert(done.end(), open.begin() + static_cast<std::ptrdiff_t>(o), open.end());
        open.swap(next);
    }
    done.insert(done.end(), open.begin(), open.end());
    return done;
}

namespace {

// Where a symbol W x H and one line of text land when the text is laid out at position.
struct Placed {
    CaptionLayout layout;
    bool hasText = false;
};

Placed Place(int64_t w, int64_t h, const Font& font, const std::u16string& text, int32_t position,
             int32_t scaleX) {
    const TextSize size = CCaptionedBitmap::MeasureCaption(font, text);
    Placed p{LayoutCaption(w, h, size, position, scaleX, 1), false};
    p.hasText = p.layout.bandWidth > 0 && p.layout.bandHeight > 0;
    return p;
}

}  // namespace

VectorPicture DocumentVectorPicture(const CEncoderDoc& doc) {
    const SymbolBuild& build = doc.LastBuild();
    VectorPicture v;
    if (build.symbol.empty() || !doc.m_Picture.HasPicture()) return v;
    // The caption font the picture was drawn with, at the build's resolution.
    const Font& font = doc.m_Picture.CaptionFont();
    const int32_t scaleX = std::max(1, doc.HorizontalScale());
    v.dpiX = static_cast<double>(build.dpiX) * scaleX;
    v.dpiY = build.dpiY;
    v.symbol = build.symbol;
    int64_t w = build.symbol.width, h = build.symbol.height;
    if (build.messageAbove) {
        const Placed above = Place(w, h, font, doc.m_Message, kCaptionAbove, scaleX);
        v.symbolX = above.layout.symbolX;
        v.symbolY = above.layout.symbolY;
        if (above.hasText)
            v.texts.push_back({doc.m_Message, font, above.layout.bandX, above.layout.bandY,
                               above.layout.bandWidth});
        w = above.layout.composedWidth;
        h = above.layout.composedHeight;
    }
    const int32_t position = build.messageAbove ? kCaptionBelow : doc.m_Picture.Position();
    const std::u16string& captionText = doc.m_Picture.Caption();
    const Placed caption = Place(w, h, font, captionText, position, scaleX);
    v.symbolX += caption.layout.symbolX;
    v.symbolY += caption.layout.symbolY;
    for (VectorText& t : v.texts) {
        t.bandX += caption.layout.symbolX;
        t.bandY += caption.layout.symbolY;
    }
    if (caption.hasText)
        v.texts.push_back({captionText, font, caption.layout.bandX, caption.layout.bandY,
                           caption.layout.bandWidth});
    v.width = caption.layout.composedWidth;
    v.height = caption.layout.composedHeight;
    return v;
}

VectorPicture PlainVectorPicture(const Bitmap1& picture, int dpi) {
    VectorPicture v;
    v.width = picture.width;
    v.height = picture.height;
    v.dpiX = v.dpiY = dpi > 0 ? dpi : 96;
    v.symbol = picture;
    return v;
}

}  // namespace tsy
