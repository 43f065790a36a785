#include "symbologies/picture_decode.h"

namespace tsy::test {

Rect SymbolRect(const CEncoderDoc& doc) {
    const CCaptionedBitmap& p = doc.m_Picture;
    const TextSize text = CCaptionedBitmap::MeasureCaption(p.CaptionFont(), p.Caption());
    const CaptionLayout l = LayoutCaption(p.Symbol().width, p.Symbol().height, text, p.Position(),
                                          p.ScaleX(), p.ScaleY());
    return {static_cast<int>(l.symbolX), static_cast<int>(l.symbolY), p.Symbol().width,
            p.Symbol().height};
}

Decoded DecodeSymbolPart(const CEncoderDoc& doc, Symbology symbology,
                         const DecodeOptions& options) {
    const RgbImage& picture = doc.m_Picture.Picture();
    const Rect r = SymbolRect(doc);
    const int margin = options.quietZone;
    const int w = r.width + 2 * margin, h = r.height + 2 * margin;
    std::vector<uint8_t> grey(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 255);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            grey[static_cast<std::size_t>(y + margin) * static_cast<std::size_t>(w) +
                 static_cast<std::size_t>(x + margin)] = picture.row(r.y + y)[3 * (r.x + x)];
    return DecodeGrey(grey, w, h, symbology, options);
}

bool HasDarkPixels(const RgbImage& picture, int fromY, int toY) {
    for (int y = fromY; y < toY; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (!picture.isWhite(x, y)) return true;
    return false;
}

}  // namespace tsy::test
