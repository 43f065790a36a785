#include "imaging/captioned_bitmap.h"

#include <algorithm>
#include <utility>

#include "imaging/raster_limits.h"
#include "platform/bitmap_ops.h"

namespace tsy {

namespace {

constexpr int32_t kDefaultCaptionTenths = 100;
constexpr char16_t kDefaultCaptionFace[] = u"Arial";

RgbImage Blank(const RgbImage*, int width, int height) {
    return MakeRgbImage(width, height, 255);
}
Bitmap1 Blank(const Bitmap1*, int width, int height) {
    return MakeFilledBitmap1(width, height, true);
}

// Symbol and band side by side: the taller one sets the height, the shorter one is centred.
void LayOutBeside(CaptionLayout& l, int64_t w, int64_t h, bool captionFirst) {
    l.composedWidth = w + l.bandWidth;
    const int64_t symbolX = captionFirst ? l.bandWidth : 0;
    const int64_t bandX = captionFirst ? 0 : w;
    l.symbolX = symbolX;
    l.bandX = bandX;
    if (l.bandHeight > h) {
        l.composedHeight = l.bandHeight;
        l.symbolY = l.bandHeight / 2 - h / 2;
        l.bandY = 0;
    } else {
        l.composedHeight = h;
        l.symbolY = 0;
        l.bandY = h / 2 - l.bandHeight / 2;
    }
}

// Symbol and band stacked: the wider one sets the width, the narrower one is centred.
void LayOutStacked(CaptionLayout& l, int64_t w, int64_t h, bool captionFirst) {
    l.composedHeight = h + l.bandHeight;
    l.symbolY = captionFirst ? l.bandHeight : 0;
    l.bandY = captionFirst ? 0 : h;
    if (l.bandWidth > w) {
        l.composedWidth = l.bandWidth;
        l.symbolX = l.bandWidth / 2 - w / 2;
        l.bandX = 0;
    } else {
        l.composedWidth = w;
        l.symbolX = 0;
        l.bandX = w / 2 - l.bandWidth / 2;
    }
}

}  // namespace

CaptionLayout LayoutCaption(int64_t symbolWidth, int64_t symbolHeight, TextSize caption,
                            int32_t position, int64_t scaleX, int64_t scaleY) {
    CaptionLayout l;
    const int64_t cx = caption.width;
    const int64_t cy = caption.height;
    // A caption that draws nothing must not widen or heighten the picture.
    if (cx > 0 && cy > 0 && cy * 3 / 2 > 0) {
        l.textHeight = cy * 3 / 2;
        l.bandWidth = scaleX * cx;
        l.bandHeight = scaleY * cy * 3 / 2;
    }
    switch (position) {
        case kCaptionAbove:
            LayOutStacked(l, symbolWidth, symbolHeight, true);
            break;
        case kCaptionLeft:
            LayOutBeside(l, symbolWidth, symbolHeight, true);
            break;
        case kCaptionRight:
            LayOutBeside(l, symbolWidth, symbolHeight, false);
            break;
        default:
            LayOutStacked(l, symbolWidth, symbolHeight, false);
            break;
    }
    return l;
}

CCaptionedBitmap::CCaptionedBitmap()
    : font_(Font::CreatePointFont(kDefaultCaptionTenths, kDefaultCaptionFace)) {}

bool CCaptionedBitmap::Compose(Bitmap1& symbol, std::u16string_view caption, int32_t position,
                               const Font* font, int32_t scaleX, int32_t scaleY) {
    Clear();
    // The symbol is taken over whether or not it can be used.
    Bitmap1 taken = std::exchange(symbol, Bitmap1{});
    if (!PictureSizeOk(taken.width, taken.height)) return false;
    symbolMono_ = std::move(taken);
    mono_ = true;
    return ComposeTaken(caption, position, font, scaleX, scaleY);
}

bool CCaptionedBitmap::Compose(RgbImage& symbol, std::u16string_view caption, int32_t position,
                               const Font* font, int32_t scaleX, int32_t scaleY) {
    Clear();
    symbol_ = std::exchange(symbol, RgbImage{});
    return ComposeTaken(caption, position, font, scaleX, scaleY);
}

bool CCaptionedBitmap::ComposeTaken(std::u16string_view caption, int32_t position, const Font* font,
                                    int32_t scaleX, int32_t scaleY) {
    caption_ = std::u16string(caption);
    position_ = position;
    scaleX_ = scaleX;
    scaleY_ = scaleY;
    if (font != nullptr && !font->empty()) {
        font_ = Font::CreateFontIndirect(font->logFont());
    } else {
        font_ = Font::CreatePointFont(kDefaultCaptionTenths, kDefaultCaptionFace);
    }
    return Render();
}

bool CCaptionedBitmap::Render() {
    composed_ = RgbImage{};
    composedMono_ = Bitmap1{};
    if (scaleX_ < 1 || scaleY_ < 1) return false;
    return mono_ ? RenderWith(symbolMono_, &composedMono_) : RenderWith(symbol_, &composed_);
}

// Drawn the same way at either depth: white ground, symbol, caption band stretched into place.
template <class Image>
bool CCaptionedBitmap::RenderWith(const Image& symbol, Image* composed) {
    if (symbol.empty()) return false;
    const TextSize text = MeasureCaption(font_, caption_);
    const CaptionLayout l =
        LayoutCaption(symbol.width, symbol.height, text, position_, scaleX_, scaleY_);
    const bool hasBand = l.bandWidth > 0 && l.bandHeight > 0;
    if (!PictureSizeOk(l.composedWidth, l.composedHeight)) return false;
    if (hasBand && !PictureSizeOk(text.width, l.textHeight)) return false;
    Image picture =
        Blank(composed, static_cast<int>(l.composedWidth), static_cast<int>(l.composedHeight));
    Blit(picture, static_cast<int>(l.symbolX), static_cast<int>(l.symbolY), symbol);
    if (hasBand) {
        Image band = Blank(composed, text.width, static_cast<int>(l.textHeight));
        DrawTextLine(band, font_, text.width / 2, 0, caption_, TextAlign::CenterTop);
        StretchBlit(picture, static_cast<int>(l.bandX), static_cast<int>(l.bandY),
                    static_cast<int>(l.bandWidth), static_cast<int>(l.bandHeight), band, 0, 0,
                    band.width, band.height);
    }
    *composed = std::move(picture);
    return true;
}

void CCaptionedBitmap::Clear() {
    symbol_ = RgbImage{};
    symbolMono_ = Bitmap1{};
    mono_ = false;
    font_.reset();
    composed_ = RgbImage{};
    composedMono_ = Bitmap1{};
}

const RgbImage& CCaptionedBitmap::Picture() const {
    if (mono_ && composed_.empty() && !composedMono_.empty())
        composed_ = Bitmap1ToRgb(composedMono_);
    return composed_;
}

const RgbImage& CCaptionedBitmap::Symbol() const {
    if (mono_ && symbol_.empty() && !symbolMono_.empty()) symbol_ = Bitmap1ToRgb(symbolMono_);
    return symbol_;
}

void CCaptionedBitmap::Attach(RgbImage picture) {
    composed_ = std::move(picture);
    composedMono_ = Bitmap1{};
    if (mono_) {
        // The symbol stays as it was composed; only the picture is replaced.
        Symbol();
        symbolMono_ = Bitmap1{};
        mono_ = false;
    }
}

bool CCaptionedBitmap::CopyMonochrome(Bitmap1& dest) const {
    dest = Bitmap1{};
    if (!HasPicture()) return false;
    dest = RgbToBitmap1(Picture());
    return true;
}

TextSize CCaptionedBitmap::MeasureCaption(const Font& font, std::u16string_view text) {
    if (text.empty() || font.empty()) return {};
    // Measured as the one line TextOut draws, so nothing drawn falls outside the band.
    const TextSize line = MeasureTextLine(font, text);
    const int64_t height = font.logFont().height;
    // A positive lfHeight names the cell; its magnitude still bounds the text.
    const int64_t cy = height < 0 ? -height : height;
    constexpr int64_t kIntMax = 0x7FFFFFFF;
    return {static_cast<int>(std::min<int64_t>(int64_t{line.width} + 1, kIntMax)),
            static_cast<int>(std::min<int64_t>(cy, kIntMax))};
}

RgbImage CCaptionedBitmap::Detach() {
    Picture();
    RgbImage picture = std::exchange(composed_, RgbImage{});
    Attach(RgbImage{});
    return picture;
}

}  // namespace tsy
