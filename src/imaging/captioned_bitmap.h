// The finished picture of a document: the symbol bitmap with one line of caption text above,
// below, left or right of it, composed into one screen-compatible (RGB) picture.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/font.h"
#include "platform/text_render.h"

namespace tsy {

enum CaptionPosition : int32_t {
    kCaptionAbove = 0,
    kCaptionBelow = 1,
    kCaptionLeft = 2,
    kCaptionRight = 3,
};

// Where Render puts things; exposed so the layout can be checked without drawing.
struct CaptionLayout {
    int64_t composedWidth = 0;   // CW
    int64_t composedHeight = 0;  // CH
    int64_t symbolX = 0;         // xs
    int64_t symbolY = 0;         // ys
    int64_t bandX = 0;           // xt
    int64_t bandY = 0;           // yt
    int64_t bandWidth = 0;       // TW
    int64_t bandHeight = 0;      // TH
    int64_t textHeight = 0;      // th: height of the unstretched text bitmap

    bool operator==(const CaptionLayout&) const = default;
};

// Lays a W x H symbol out with a caption measuring (cx, cy), scale factors sx, sy. Every
// division by 2 truncates per term. A caption of zero width or height gets no band at all.
CaptionLayout LayoutCaption(int64_t symbolWidth, int64_t symbolHeight, TextSize caption,
                            int32_t position, int64_t scaleX, int64_t scaleY);

class CCaptionedBitmap {
public:
    // Empty caption, position Below, scale factors 1, font 10-point "Arial"; no pictures.
    CCaptionedBitmap();

    // Takes over the symbol (the caller's bitmap is left empty), stores the caption, position
    // and scale factors, copies the font (null: 10-point "Arial" for the screen) and renders.
    // Returns true when the composed picture exists. Fails, leaving no picture, for an empty
    // symbol, scale factors below 1 or a composed size beyond the picture limits.
    bool Compose(Bitmap1& symbol, std::u16string_view caption, int32_t position, const Font* font,
                 int32_t scaleX, int32_t scaleY);
    bool Compose(RgbImage& symbol, std::u16string_view caption, int32_t position, const Font* font,
                 int32_t scaleX, int32_t scaleY);

    // Drops the symbol, the font and the composed picture; Compose makes them again.
    void Clear();

    // The one-bit form of the composed picture: white stays 1 (white), everything else 0.
    // Whatever dest held is dropped first; false (dest empty) when there is no picture.
    bool CopyMonochrome(Bitmap1& dest) const;

    // (width + 1 of the text drawn as one line, -lfHeight); 0 x 0 for empty text.
    static TextSize MeasureCaption(const Font& font, std::u16string_view text);

    // The composed picture (the base CBitmap's handle); empty before Compose or after Clear.
    // A picture composed from a one-bit symbol is kept at one bit and made RGB on first ask.
    const RgbImage& Picture() const;
    bool HasPicture() const { return mono_ ? !composedMono_.empty() : !composed_.empty(); }
    // The composed picture at one bit (0 black, 1 white) when it was composed from a one-bit
    // symbol, else null: file writers take it without the RGB form.
    const Bitmap1* MonoPicture() const {
        return mono_ && !composedMono_.empty() ? &composedMono_ : nullptr;
    }
    // Attach / Detach of the base bitmap: replace or hand over the composed picture.
    void Attach(RgbImage picture);
    RgbImage Detach();

    const RgbImage& Symbol() const;
    const std::u16string& Caption() const { return caption_; }
    int32_t Position() const { return position_; }
    const Font& CaptionFont() const { return font_; }
    int32_t ScaleX() const { return scaleX_; }
    int32_t ScaleY() const { return scaleY_; }

private:
    bool Render();
    bool ComposeTaken(std::u16string_view caption, int32_t position, const Font* font,
                      int32_t scaleX, int32_t scaleY);

    template <class Image>
    bool RenderWith(const Image& symbol, Image* composed);

    // The RGB forms are caches of the one-bit ones while mono_ is set.
    mutable RgbImage symbol_;
    Bitmap1 symbolMono_;
    bool mono_ = false;
    std::u16string caption_;
    int32_t position_ = kCaptionBelow;
    Font font_;
    int32_t scaleX_ = 1;
    int32_t scaleY_ = 1;
    mutable RgbImage composed_;
    Bitmap1 composedMono_;
};

}  // namespace tsy
