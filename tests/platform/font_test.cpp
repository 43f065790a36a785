#include "platform/font.h"

#include <gtest/gtest.h>

#include "platform/screen.h"

namespace tsy {
namespace {

TEST(MulDiv, RoundsHalfAwayFromZeroAndReportsFailure) {
    struct Case {
        int a, b, c, expected;
    };
    const Case cases[] = {
        {100, 96, 720, 13},
        {120, 96, 720, 16},
        {-100, 96, 720, -13},
        {5, 1, 2, 3},
        {-5, 1, 2, -3},
        {5, -1, 2, -3},
        {7, 3, 0, -1},
        {0x7FFFFFFF, 2, 1, -1},
        {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF},
        {10, 600, 1000, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
    }
}

TEST(ScreenDpi, HeadlessIs96AndSettable) {
    EXPECT_EQ(ScreenDpiX(), 96);
    EXPECT_EQ(ScreenDpiY(), 96);
    SetScreenDpi(120, 144);
    EXPECT_EQ(ScreenDpiX(), 120);
    EXPECT_EQ(ScreenDpiY(), 144);
    EXPECT_EQ(Font::CreatePointFont(100, u"Arial").logFont().height, -20);
    SetScreenDpi(0, -5);
    EXPECT_EQ(ScreenDpiX(), 96);
    EXPECT_EQ(ScreenDpiY(), 96);
}

TEST(PointFont, HeightIsMinusMulDivOfTenths) {
    struct Case {
        int tenths, dpi, height;
    };
    const Case cases[] = {{100, 96, -13},  {120, 96, -16},   {90, 96, -12},
                          {100, 600, -83}, {5000, 96, -667}, {-100, 96, -13}};
    for (const Case& c : cases) {
        EXPECT_EQ(PointSizeToHeight(c.tenths, c.dpi), c.height) << c.tenths << " at " << c.dpi;
    }
}

TEST(PointFont, CreatePointFontIsAZeroedLogFont) {
    const Font font = Font::CreatePointFont(100, u"Arial");
    ASSERT_FALSE(font.empty());
    LogFont expected;
    expected.height = -13;
    expected.weight = 0;
    expected.charSet = kDefaultCharset;
    expected.faceName = u"Arial";
    EXPECT_EQ(font.logFont(), expected);
}

TEST(PointFont, IndirectKeepsStyleAndCutsLongFaces) {
    LogFont lf;
    lf.height = 120;
    lf.weight = 700;
    lf.italic = true;
    lf.strikeOut = true;
    lf.charSet = 0;
    lf.faceName = std::u16string(40, u'F');
    const Font font = Font::CreatePointFontIndirect(lf, 96);
    EXPECT_EQ(font.logFont().height, -16);
    EXPECT_EQ(font.logFont().weight, 700);
    EXPECT_TRUE(font.logFont().italic);
    EXPECT_FALSE(font.logFont().underline);
    EXPECT_TRUE(font.logFont().strikeOut);
    EXPECT_EQ(font.logFont().faceName, std::u16string(31, u'F'));
    // A pixel LOGFONT is taken as it is.
    EXPECT_EQ(Font::CreateFontIndirect(font.logFont()).logFont(), font.logFont());
}

TEST(PointFont, ResetEmptiesTheFont) {
    Font font = Font::CreatePointFont(100, u"Arial");
    font.reset();
    EXPECT_TRUE(font.empty());
    EXPECT_TRUE(Font().empty());
}

}  // namespace
}  // namespace tsy
