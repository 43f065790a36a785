// A picture for the vector writers: the symbol's dark pixels as rectangles and the caption lines
// as text, in the pixels of the build they come from and that build's resolution.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/font.h"

namespace tsy {

class CEncoderDoc;

// One line of text, centred in its band with the top of its cell on the band's top edge, as the
// picture draws it.
struct VectorText {
    std::u16string text;
    Font font;  // sized in pixels of the build
    int64_t bandX = 0;
    int64_t bandY = 0;
    int64_t bandWidth = 0;
};

struct VectorPicture {
    int64_t width = 0;  // pixels
    int64_t height = 0;
    double dpiX = 96;  // pixels per inch
    double dpiY = 96;
    Bitmap1 symbol;  // 0 black
    int64_t symbolX = 0;
    int64_t symbolY = 0;
    std::vector<VectorText> texts;

    bool empty() const { return width <= 0 || height <= 0 || symbol.empty(); }
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The dark pixels as few rectangles: runs along each row, and runs of equal extent in
// consecutive rows joined into one (a bar of a linear symbol is one rectangle).
std::vector<PixelRect> DarkRectangles(const Bitmap1& bits);

// The document's last build laid out as its picture is: the symbol, the message above it with
// AddMessage, the caption. Empty without a build.
VectorPicture DocumentVectorPicture(const CEncoderDoc& doc);

// A picture without a document behind it: every dark pixel a rectangle, no text.
VectorPicture PlainVectorPicture(const Bitmap1& picture, int dpi);

}  // namespace tsy
