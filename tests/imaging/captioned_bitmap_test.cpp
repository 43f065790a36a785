#include "imaging/captioned_bitmap.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/bitmap_ops.h"

namespace tsy {
namespace {

TEST(LayoutCaption, PlacesSymbolAndBandAsTheTableSays) {
    struct Case {
        const char* name;
        int64_t w, h;
        TextSize caption;
        int32_t position;
        CaptionLayout expected;  // CW, CH, xs, ys, xt, yt, TW, TH, th
    };
    const Case cases[] = {
        {"below", 200, 80, {50, 13}, kCaptionBelow, {200, 99, 0, 0, 75, 80, 50, 19, 19}},
        {"left", 200, 80, {50, 13}, kCaptionLeft, {250, 80, 50, 0, 0, 31, 50, 19, 19}},
        {"above, caption narrower",
         200,
         80,
         {50, 13},
         kCaptionAbove,
         {200, 99, 0, 19, 75, 0, 50, 19, 19}},
        {"right, caption lower",
         200,
         80,
         {50, 13},
         kCaptionRight,
         {250, 80, 0, 0, 200, 31, 50, 19, 19}},
        {"above, caption wider",
         41,
         30,
         {100, 13},
         kCaptionAbove,
         {100, 49, 30, 19, 0, 0, 100, 19, 19}},
        {"below, caption wider",
         41,
         30,
         {100, 13},
         kCaptionBelow,
         {100, 49, 30, 0, 0, 30, 100, 19, 19}},
        {"right, caption taller",
         30,
         10,
         {20, 13},
         kCaptionRight,
         {50, 19, 0, 4, 30, 0, 20, 19, 19}},
        {"left, caption taller", 30, 10, {20, 13}, kCaptionLeft, {50, 19, 20, 4, 0, 0, 20, 19, 19}},
        // Halves truncate per term: 10/2 - 3/2 = 4, where (10 - 3)/2 would give 3.
        {"odd sizes", 7, 10, {2, 2}, kCaptionRight, {9, 10, 0, 0, 7, 4, 2, 3, 3}},
        {"position 7 is below", 200, 80, {50, 13}, 7, {200, 99, 0, 0, 75, 80, 50, 19, 19}},
        {"position -1 is below", 200, 80, {50, 13}, -1, {200, 99, 0, 0, 75, 80, 50, 19, 19}},
        {"empty caption below", 200, 80, {0, 0}, kCaptionBelow, {200, 80, 0, 0, 100, 80, 0, 0, 0}},
        {"empty caption left", 200, 80, {0, 0}, kCaptionLeft, {200, 80, 0, 0, 0, 40, 0, 0, 0}},
        {"zero-height text", 200, 80, {50, 0}, kCaptionAbove, {200, 80, 0, 0, 100, 0, 0, 0, 0}},
        {"height 1 text", 10, 10, {5, 1}, kCaptionBelow, {10, 11, 0, 0, 3, 10, 5, 1, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayoutCaption(c.w, c.h, c.caption, c.position, 1, 1), c.expected) << c.name;
    }
}

TEST(LayoutCaption, ScaleFactorsStretchTheBand) {
    // TW = sx * cx; TH = trunc(1.5 * sy * cy), not sy * trunc(1.5 * cy).
    const CaptionLayout l = LayoutCaption(200, 80, {50, 13}, kCaptionBelow, 3, 3);
    EXPECT_EQ(l.bandWidth, 150);
    EXPECT_EQ(l.bandHeight, 58);
    EXPECT_EQ(l.textHeight, 19);
    EXPECT_EQ(l.bandX, 25);
    EXPECT_EQ(l.composedHeight, 138);
}

Bitmap1 Checkerboard(int w, int h) {
    Bitmap1 mono = MakeFilledBitmap1(w, h, true);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) mono.setBlack(x, y, (x / 4 + y / 4) % 2 == 0);
    }
    return mono;
}

bool RegionEquals(const RgbImage& picture, int x0, int y0, const RgbImage& part) {
    for (int y = 0; y < part.height; ++y) {
        for (int x = 0; x < part.width; ++x) {
            if (picture.isBlack(x0 + x, y0 + y) != part.isBlack(x, y)) return false;
        }
    }
    return true;
}

int BlackIn(const RgbImage& picture, int x0, int y0, int w, int h) {
    int count = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) count += picture.isBlack(x, y) ? 1 : 0;
    }
    return count;
}

int BlackTotal(const RgbImage& picture) {
    return BlackIn(picture, 0, 0, picture.width, picture.height);
}

TEST(CCaptionedBitmap, StartsEmptyWithTenPointArial) {
    CCaptionedBitmap picture;
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_EQ(picture.Position(), kCaptionBelow);
    EXPECT_EQ(picture.ScaleX(), 1);
    EXPECT_EQ(picture.ScaleY(), 1);
    EXPECT_EQ(picture.CaptionFont().logFont().faceName, u"Arial");
    EXPECT_EQ(picture.CaptionFont().logFont().height, -13);
}

TEST(CCaptionedBitmap, ComposesEveryPositionAsLaidOut) {
    const Font font = Font::CreatePointFont(100, u"Arial");
    const TextSize caption = CCaptionedBitmap::MeasureCaption(font, u"Tessaly 123");
    ASSERT_EQ(caption.height, 13);
    for (int32_t position : {0, 1, 2, 3, 7}) {
        CCaptionedBitmap picture;
        Bitmap1 symbol = Checkerboard(40, 24);
        const RgbImage expectedSymbol = Bitmap1ToRgb(symbol);
        ASSERT_TRUE(picture.Compose(symbol, u"Tessaly 123", position, &font, 1, 1)) << position;
        EXPECT_TRUE(symbol.empty());  // taken over
        const CaptionLayout l = LayoutCaption(40, 24, caption, position, 1, 1);
        const RgbImage& out = picture.Picture();
        ASSERT_EQ(out.width, l.composedWidth) << position;
        ASSERT_EQ(out.height, l.composedHeight) << position;
        EXPECT_TRUE(RegionEquals(out, static_cast<int>(l.symbolX), static_cast<int>(l.symbolY),
                                 expectedSymbol))
            << position;
        const int band = BlackIn(out, static_cast<int>(l.bandX), static_cast<int>(l.bandY),
                                 static_cast<int>(l.bandWidth), static_cast<int>(l.bandHeight));
        EXPECT_GT(band, 20) << position;
        // Nothing outside the symbol and the band.
        EXPECT_EQ(BlackTotal(out), band + BlackTotal(expectedSymbol)) << position;
        // The lower third of the band is the half text height of white space (no descenders).
        EXPECT_EQ(
            BlackIn(out, static_cast<int>(l.bandX), static_cast<int>(l.bandY + caption.height + 3),
                    static_cast<int>(l.bandWidth), static_cast<int>(l.bandHeight - 16)),
            0)
            << position;
    }
}

TEST(CCaptionedBitmap, EmptyCaptionGivesExactlyTheSymbol) {
    for (int32_t position : {0, 1, 2, 3, 7}) {
        CCaptionedBitmap picture;
        Bitmap1 symbol = Checkerboard(33, 17);
        const RgbImage expected = Bitmap1ToRgb(symbol);
        ASSERT_TRUE(picture.Compose(symbol, u"", position, nullptr, 1, 1));
        EXPECT_EQ(picture.Picture().width, 33);
        EXPECT_EQ(picture.Picture().height, 17);
        EXPECT_EQ(picture.Picture().pixels, expected.pixels) << position;
    }
}

TEST(CCaptionedBitmap, ZeroHeightFontAddsNoBand) {
    LogFont lf;
    lf.height = 0;
    lf.faceName = u"Arial";
    const Font font = Font::CreateFontIndirect(lf);
    CCaptionedBitmap picture;
    Bitmap1 symbol = Checkerboard(20, 10);
    ASSERT_TRUE(picture.Compose(symbol, u"text", kCaptionBelow, &font, 1, 1));
    EXPECT_EQ(picture.Picture().width, 20);
    EXPECT_EQ(picture.Picture().height, 10);
}

TEST(CCaptionedBitmap, TextBitmapIsStretchedIntoTheBand) {
    const Font font = Font::CreatePointFont(100, u"Arial");
    CCaptionedBitmap plain;
    CCaptionedBitmap scaled;
    Bitmap1 a = Checkerboard(8, 8);
    Bitmap1 b = Checkerboard(8, 8);
    ASSERT_TRUE(plain.Compose(a, u"Wide", kCaptionBelow, &font, 1, 1));
    ASSERT_TRUE(scaled.Compose(b, u"Wide", kCaptionBelow, &font, 2, 3));
    const TextSize text = CCaptionedBitmap::MeasureCaption(font, u"Wide");
    const CaptionLayout one = LayoutCaption(8, 8, text, kCaptionBelow, 1, 1);
    const CaptionLayout two = LayoutCaption(8, 8, text, kCaptionBelow, 2, 3);
    RgbImage band = MakeRgbImage(text.width, static_cast<int>(one.textHeight));
    Blit(band, -static_cast<int>(one.bandX), -static_cast<int>(one.bandY), plain.Picture());
    RgbImage expected =
        MakeRgbImage(static_cast<int>(two.bandWidth), static_cast<int>(two.bandHeight));
    StretchBlit(expected, 0, 0, expected.width, expected.height, band, 0, 0, band.width,
                band.height);
    EXPECT_TRUE(RegionEquals(scaled.Picture(), static_cast<int>(two.bandX),
                             static_cast<int>(two.bandY), expected));
    EXPECT_EQ(scaled.Picture().height, 8 + (3 * 3 * text.height) / 2);
}

TEST(CCaptionedBitmap, MessageAboveAndCaptionBelow) {
    // The build's AddMessage path: compose a temporary picture, then compose from it.
    const Font font = Font::CreatePointFont(100, u"Arial");
    CCaptionedBitmap temporary;
    Bitmap1 symbol = Checkerboard(60, 20);
    ASSERT_TRUE(temporary.Compose(symbol, u"MSG\r\n[GS]", kCaptionAbove, &font, 1, 1));
    const RgbImage intermediate = temporary.Picture();
    RgbImage taken = temporary.Detach();
    EXPECT_FALSE(temporary.HasPicture());
    CCaptionedBitmap picture;
    ASSERT_TRUE(picture.Compose(taken, u"", kCaptionBelow, &font, 1, 1));
    EXPECT_TRUE(taken.empty());
    EXPECT_EQ(picture.Picture().pixels, intermediate.pixels);
    EXPECT_EQ(picture.Picture().height, 20 + 19);

    Bitmap1 again = Checkerboard(60, 20);
    CCaptionedBitmap first;
    ASSERT_TRUE(first.Compose(again, u"MSG", kCaptionAbove, &font, 1, 1));
    RgbImage middle = first.Detach();
    ASSERT_TRUE(picture.Compose(middle, u"caption", kCaptionBelow, &font, 1, 1));
    EXPECT_EQ(picture.Picture().height, 20 + 19 + 19);
    EXPECT_GT(BlackIn(picture.Picture(), 0, 39, picture.Picture().width, 19), 10);
}

TEST(CCaptionedBitmap, FontIsAPrivateCopy) {
    LogFont lf;
    lf.height = -20;
    lf.weight = 700;
    lf.faceName = u"Courier New";
    Font font = Font::CreateFontIndirect(lf);
    CCaptionedBitmap picture;
    Bitmap1 symbol = Checkerboard(8, 8);
    ASSERT_TRUE(picture.Compose(symbol, u"x", kCaptionBelow, &font, 1, 1));
    font.reset();
    EXPECT_EQ(picture.CaptionFont().logFont(), lf);
    EXPECT_EQ(picture.Picture().height, 8 + 30);
    Bitmap1 other = Checkerboard(8, 8);
    ASSERT_TRUE(picture.Compose(other, u"x", kCaptionBelow, nullptr, 1, 1));
    EXPECT_EQ(picture.CaptionFont().logFont().faceName, u"Arial");
}

TEST(CCaptionedBitmap, MeasureCaption) {
    const Font font = Font::CreatePointFont(100, u"Arial");
    EXPECT_EQ(CCaptionedBitmap::MeasureCaption(font, u""), TextSize{});
    const TextSize abc = CCaptionedBitmap::MeasureCaption(font, u"ABC");
    EXPECT_EQ(abc.width, MeasureTextLine(font, u"ABC").width + 1);
    EXPECT_EQ(abc.height, 13);
    EXPECT_EQ(CCaptionedBitmap::MeasureCaption(font, u"ABC"), abc);
    // A line break is measured as drawn, on the same line.
    EXPECT_EQ(CCaptionedBitmap::MeasureCaption(font, u"A\nBC").height, 13);
    EXPECT_GE(CCaptionedBitmap::MeasureCaption(font, u"A\nBC").width, abc.width);
    LogFont cell = font.logFont();
    cell.height = 15;
    EXPECT_EQ(CCaptionedBitmap::MeasureCaption(Font::CreateFontIndirect(cell), u"ABC").height, 15);
}

TEST(CCaptionedBitmap, CopyMonochromeAndClear) {
    CCaptionedBitmap picture;
    Bitmap1 dest = Checkerboard(3, 3);
    EXPECT_FALSE(picture.CopyMonochrome(dest));
    EXPECT_TRUE(dest.empty());
    Bitmap1 symbol = Checkerboard(16, 12);
    ASSERT_TRUE(picture.Compose(symbol, u"Mono", kCaptionRight, nullptr, 1, 1));
    ASSERT_TRUE(picture.CopyMonochrome(dest));
    EXPECT_EQ(dest.width, picture.Picture().width);
    EXPECT_EQ(dest.height, picture.Picture().height);
    EXPECT_EQ(Bitmap1ToRgb(dest).pixels, picture.Picture().pixels);
    picture.Clear();
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_TRUE(picture.Symbol().empty());
    EXPECT_TRUE(picture.CaptionFont().empty());
    Bitmap1 next = Checkerboard(4, 4);
    EXPECT_TRUE(picture.Compose(next, u"", kCaptionBelow, nullptr, 1, 1));
}

TEST(CCaptionedBitmap, OversizeAndInvalidInputsFailCleanly) {
    const Font font = Font::CreatePointFont(100, u"Arial");
    struct Case {
        const char* name;
        int w, h;
        const char16_t* caption;
        int32_t position, sx, sy;
    };
    const Case cases[] = {
        {"empty symbol", 0, 0, u"x", kCaptionBelow, 1, 1},
        {"caption makes it too wide", 32760, 1, u"WWWW", kCaptionLeft, 1, 1},
        {"huge horizontal scale", 10, 10, u"W", kCaptionBelow, 1 << 30, 1},
        {"huge vertical scale", 10, 10, u"W", kCaptionBelow, 1, 1 << 30},
        {"zero scale", 10, 10, u"W", kCaptionBelow, 0, 1},
        {"negative scale", 10, 10, u"W", kCaptionBelow, 1, -2},
    };
    for (const Case& c : cases) {
        CCaptionedBitmap picture;
        RgbImage symbol = MakeRgbImage(c.w, c.h, 0);
        EXPECT_FALSE(picture.Compose(symbol, c.caption, c.position, &font, c.sx, c.sy)) << c.name;
        EXPECT_FALSE(picture.HasPicture()) << c.name;
    }
    LogFont giant = font.logFont();
    giant.height = -30000;
    const Font giantFont = Font::CreateFontIndirect(giant);
    CCaptionedBitmap picture;
    Bitmap1 symbol = Checkerboard(8, 8);
    EXPECT_FALSE(picture.Compose(symbol, u"WW", kCaptionBelow, &giantFont, 1, 1));
}

TEST(CCaptionedBitmap, RandomCaptionsNeverBreakTheLayout) {
    std::mt19937 random(7202);
    const Font fonts[] = {Font::CreatePointFont(80, u"Arial"),
                          Font::CreatePointFont(140, u"No Such Face Tessaly"), Font()};
    for (int round = 0; round < 120; ++round) {
        std::u16string caption;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) caption += static_cast<char16_t>(random() % 0x10000);
        const int w = 1 + static_cast<int>(random() % 50);
        const int h = 1 + static_cast<int>(random() % 50);
        const int32_t position = static_cast<int32_t>(random() % 7) - 1;
        const int32_t sx = 1 + static_cast<int32_t>(random() % 3);
        const Font& font = fonts[random() % std::size(fonts)];
        Bitmap1 symbol = Checkerboard(w, h);
        CCaptionedBitmap picture;
        ASSERT_TRUE(picture.Compose(symbol, caption, position, &font, sx, 1));
        const CaptionLayout l =
            LayoutCaption(w, h, CCaptionedBitmap::MeasureCaption(picture.CaptionFont(), caption),
                          position, sx, 1);
        EXPECT_EQ(picture.Picture().width, l.composedWidth);
        EXPECT_EQ(picture.Picture().height, l.composedHeight);
    }
}

}  // namespace
}  // namespace tsy
