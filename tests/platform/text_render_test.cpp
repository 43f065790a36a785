#include "platform/text_render.h"

#include <gtest/gtest.h>

#include "platform/bitmap_ops.h"

namespace tsy {
namespace {

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // right, bottom exclusive
    int count = 0;
};

Box BlackBox(const RgbImage& picture) {
    Box box;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!picture.isBlack(x, y)) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
            ++box.count;
        }
    }
    return box;
}

Font Arial10() {
    return Font::CreatePointFont(100, u"Arial", 96);
}

TEST(FaceResolution, CoreFacesResolveToLiberation) {
    struct Case {
        std::u16string face;
        int weight;
        const char* family;
        bool fallback;
    };
    const Case cases[] = {
        {u"Arial", 0, "Liberation Sans", false},
        {u"ARIAL", 700, "Liberation Sans", false},
        {u"Courier New", 400, "Liberation Mono", false},
        {u"Times New Roman", 0, "Liberation Serif", false},
        {u"Liberation Sans", 0, "Liberation Sans", false},
        {u"No Such Face Tessaly", 0, "Liberation Sans", true},
        {u"", 0, "Liberation Sans", true},
    };
    for (const Case& c : cases) {
        LogFont lf;
        lf.height = -13;
        lf.weight = c.weight;
        lf.faceName = c.face;
        const ResolvedFace face = ResolveFace(Font::CreateFontIndirect(lf));
        EXPECT_EQ(face.family, c.family) << std::string(c.face.begin(), c.face.end());
        EXPECT_EQ(face.fallback, c.fallback) << std::string(c.face.begin(), c.face.end());
        EXPECT_FALSE(face.file.empty());
    }
}

TEST(MeasureTextLine, PositiveStableAndGrowing) {
    const Font font = Arial10();
    const TextSize abc = MeasureTextLine(font, u"ABC");
    EXPECT_GT(abc.width, 10);
    EXPECT_GE(abc.height, 13);  // the cell: ascent plus descent, at least the em
    EXPECT_LE(abc.height, 19);
    EXPECT_EQ(MeasureTextLine(font, u"ABC"), abc);
    EXPECT_GT(MeasureTextLine(font, u"ABCABC").width, abc.width);
    EXPECT_EQ(MeasureTextLine(font, u"ABCABC").width, 2 * abc.width);  // whole-pixel advances
    EXPECT_GT(MeasureTextLine(Font::CreatePointFont(200, u"Arial", 96), u"ABC").width, abc.width);
    EXPECT_EQ(MeasureTextLine(font, u""), TextSize{});
    EXPECT_EQ(MeasureTextLine(Font(), u"ABC"), TextSize{});
}

TEST(MeasureTextLine, MissingFaceMeasuresLikeTheFallback) {
    const TextSize fallback =
        MeasureTextLine(Font::CreatePointFont(100, u"No Such Face Tessaly", 96), u"Hello");
    EXPECT_EQ(fallback, MeasureTextLine(Arial10(), u"Hello"));
}

TEST(MeasureTextLine, LineBreaksAndPrefixesStayOnOneLine) {
    const Font font = Arial10();
    const TextSize two = MeasureTextLine(font, u"AB\r\nCD");
    EXPECT_EQ(two.height, MeasureTextLine(font, u"ABCD").height);
    EXPECT_GE(two.width, MeasureTextLine(font, u"ABCD").width);
    EXPECT_GT(MeasureTextLine(font, u"A&B").width, MeasureTextLine(font, u"AB").width);
}

TEST(DrawTextLine, StaysInsideTheMeasuredCell) {
    struct Case {
        const char16_t* text;
        int tenths;
        int weight;
        bool italic, underline, strikeOut;
    };
    const Case cases[] = {
        {u"Hgjy|", 100, 0, false, false, false},    {u"WWW", 240, 700, false, false, false},
        {u"Tessaly", 100, 400, true, false, false}, {u"under", 120, 0, false, true, false},
        {u"strike", 120, 0, false, false, true},    {u"AB\r\nCD&E", 100, 0, false, false, false},
    };
    for (const Case& c : cases) {
        LogFont lf;
        lf.height = c.tenths;
        lf.weight = c.weight;
        lf.italic = c.italic;
        lf.underline = c.underline;
        lf.strikeOut = c.strikeOut;
        lf.faceName = u"Arial";
        const Font font = Font::CreatePointFontIndirect(lf, 96);
        const TextSize size = MeasureTextLine(font, c.text);
        RgbImage picture = MakeRgbImage(size.width + 40, size.height * 2);
        DrawTextLine(picture, font, 20, 0, c.text);
        const Box box = BlackBox(picture);
        ASSERT_GT(box.count, 0);
        // An italic slant may lean a pixel or two past the advance, as with GDI.
        const int slack = c.italic ? 3 : 1;
        EXPECT_GE(box.left, 20 - slack);
        EXPECT_LE(box.right, 20 + size.width + slack);
        EXPECT_GE(box.top, 0);
        EXPECT_LE(box.bottom, size.height);
    }
}

TEST(DrawTextLine, OneBitAndRgbAgree) {
    const Font font = Arial10();
    RgbImage rgb = MakeRgbImage(60, 20);
    Bitmap1 mono = MakeFilledBitmap1(60, 20, true);
    DrawTextLine(rgb, font, 30, 1, u"Code 39", TextAlign::CenterTop);
    DrawTextLine(mono, font, 30, 1, u"Code 39", TextAlign::CenterTop);
    EXPECT_EQ(RgbToBitmap1(rgb).bits, mono.bits);
    EXPECT_GT(BlackBox(rgb).count, 20);
    // Glyph rows go into one-bit pictures a byte at a time: every bit offset, and both edges.
    for (int x = -4; x < 60; x += 3) {
        RgbImage r = MakeRgbImage(60, 20);
        Bitmap1 m = MakeFilledBitmap1(60, 20, true);
        DrawTextLine(r, font, x, 1, u"Wg|39", TextAlign::LeftTop);
        DrawTextLine(m, font, x, 1, u"Wg|39", TextAlign::LeftTop);
        EXPECT_EQ(RgbToBitmap1(r).bits, m.bits) << "at " << x;
    }
}

TEST(DrawTextLine, CenterTopCentresOnTheReferencePoint) {
    const Font font = Arial10();
    const int width = MeasureTextLine(font, u"MMMM").width;
    RgbImage centred = MakeRgbImage(100, 20);
    RgbImage left = MakeRgbImage(100, 20);
    DrawTextLine(centred, font, 50, 0, u"MMMM", TextAlign::CenterTop);
    DrawTextLine(left, font, 50 - width / 2, 0, u"MMMM", TextAlign::LeftTop);
    EXPECT_EQ(centred.pixels, left.pixels);
}

TEST(DrawTextLine, ClipsAtEveryEdge) {
    const Font font = Font::CreatePointFont(400, u"Arial", 96);
    const int positions[][2] = {{-30, -30}, {-5, 5}, {5, -20}, {8, 8}, {1000, 0}, {0, 1000}};
    for (const auto& p : positions) {
        RgbImage rgb = MakeRgbImage(10, 10);
        Bitmap1 mono = MakeFilledBitmap1(10, 10, true);
        DrawTextLine(rgb, font, p[0], p[1], u"WgW");
        DrawTextLine(mono, font, p[0], p[1], u"WgW");
        EXPECT_EQ(RgbToBitmap1(rgb).bits, mono.bits);
    }
}

TEST(DrawTextLine, DecorationsAddInk) {
    LogFont plain;
    plain.height = -16;
    plain.faceName = u"Arial";
    LogFont under = plain;
    under.underline = true;
    LogFont struck = plain;
    struck.strikeOut = true;
    const auto ink = [](const LogFont& lf) {
        RgbImage picture = MakeRgbImage(80, 30);
        DrawTextLine(picture, Font::CreateFontIndirect(lf), 0, 0, u"acegm");
        return BlackBox(picture).count;
    };
    const int width = MeasureTextLine(Font::CreateFontIndirect(plain), u"acegm").width;
    EXPECT_GE(ink(under), ink(plain) + width / 2);
    EXPECT_GE(ink(struck), ink(plain) + width / 2);
}

TEST(DrawTextLine, BoldIsWiderThanRegular) {
    const Font regular = Font::CreatePointFont(120, u"Arial", 96);
    LogFont lf = regular.logFont();
    lf.weight = 700;
    EXPECT_GT(MeasureTextLine(Font::CreateFontIndirect(lf), u"Tessaly Code").width,
              MeasureTextLine(regular, u"Tessaly Code").width);
}

}  // namespace
}  // namespace tsy
