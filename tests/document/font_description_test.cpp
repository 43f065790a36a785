#include "document/font_description.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tsy {
namespace {

struct ParseCase {
    const char16_t* text;
    int fieldsRead;
    const char16_t* face;
    int32_t size;
    int32_t weight;
    bool italic, underline, strikeOut;
    uint32_t charSet;
};

class FontDescriptionParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(FontDescriptionParse, ReadsLikeTheScanFormat) {
    const ParseCase& c = GetParam();
    const ParsedFontDescription r = ParseFontDescription(c.text);
    EXPECT_EQ(r.fieldsRead, c.fieldsRead);
    EXPECT_EQ(r.font.face, std::u16string(c.face));
    EXPECT_EQ(r.font.size, c.size);
    EXPECT_EQ(r.font.weight, c.weight);
    EXPECT_EQ(r.font.italic, c.italic);
    EXPECT_EQ(r.font.underline, c.underline);
    EXPECT_EQ(r.font.strikeOut, c.strikeOut);
    EXPECT_EQ(r.font.charSet, c.charSet);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontDescriptionParse,
    ::testing::Values(
        ParseCase{u"01,Courier New,h120,w700,i1,u0,s0,c0", 7, u"Courier New", 120, 700, true, false,
                  false, 0},
        ParseCase{u"01,Arial,h9000,w400,i0,u0,s0,c0", 7, u"Arial", 9000, 400, false, false, false,
                  0},
        ParseCase{u"01,Arial,h100,w400,i0,u1,s1,c238", 7, u"Arial", 100, 400, false, true, true,
                  238},
        // "i255": the character '2' (lowest bit 0) is taken and the reading stops at "55".
        ParseCase{u"01,Arial,h100,w700,i255,u1,s1,c2", 4, u"Arial", 100, 700, false, false, false,
                  0},
        // %i reads octal and hexadecimal.
        ParseCase{u"01,Arial,h0x64,w010,i1,u0,s0,c0", 7, u"Arial", 100, 8, true, false, false, 0},
        ParseCase{u"01,Arial,h-5,w400,i0,u0,s0,c0", 7, u"Arial", -5, 400, false, false, false, 0},
        // Numbers skip any white space before them; a flag character is taken as it is.
        ParseCase{u"01,Arial,h\n\r 120,w\v\f700,i 1,u0,s0,c\t2", 4, u"Arial", 120, 700, false,
                  false, false, 0},
        ParseCase{u"01,Arial,h120,w700,i1,u0,s0,c\r\n2", 7, u"Arial", 120, 700, true, false, false,
                  2},
        ParseCase{u"01,Arial", 1, u"Arial", 0, 0, false, false, false, 0},
        ParseCase{u"01,Arial,hx", 1, u"Arial", 0, 0, false, false, false, 0},
        ParseCase{u"", 0, u"", 0, 0, false, false, false, 0},
        ParseCase{u"02,Arial,h100", 0, u"", 0, 0, false, false, false, 0},
        ParseCase{u"01,,h100", 0, u"", 0, 0, false, false, false, 0},
        // Only the lowest bit of each flag character counts.
        ParseCase{u"01,Arial,h100,w400,i3,uA,sB,c0", 7, u"Arial", 100, 400, true, true, false, 0}));

TEST(FontDescription, TextEndsAtANul) {
    const ParsedFontDescription r =
        ParseFontDescription(std::u16string_view(u"01,Ari\0al,h120,w700,i1,u0,s0,c0", 31));
    EXPECT_EQ(r.fieldsRead, 1);
    EXPECT_EQ(r.font.face, u"Ari");
    EXPECT_EQ(r.font.size, 0);
}

TEST(FontDescription, LongFaceIsCutAt31Characters) {
    const std::u16string face40(40, u'F');
    const ParsedFontDescription r =
        ParseFontDescription(u"01," + face40 + u",h120,w700,i1,u0,s0,c0");
    // The rest of the face does not match ",h", so the face is all that is read.
    EXPECT_EQ(r.fieldsRead, 1);
    EXPECT_EQ(r.font.face, std::u16string(31, u'F'));
    EXPECT_EQ(r.font.size, 0);
}

TEST(FontDescription, FormatWritesEveryField) {
    FontDescriptionFields f;
    f.face = u"Courier New";
    f.size = 120;
    f.weight = 700;
    f.italic = true;
    f.charSet = 204;
    EXPECT_EQ(FormatFontDescription(f), u"01,Courier New,h120,w700,i1,u0,s0,c204");
    const ParsedFontDescription back = ParseFontDescription(FormatFontDescription(f));
    EXPECT_EQ(back.fieldsRead, 7);
    EXPECT_EQ(back.font.face, f.face);
    EXPECT_EQ(back.font.charSet, 204u);
}

TEST(FontDescription, RandomTextNeverReadsPastTheInput) {
    std::mt19937 rng(6);
    const std::u16string alphabet(u"01,hwiusc-x9 A\0\xFFFF", 16);
    for (int n = 0; n < 3000; ++n) {
        std::u16string text = n % 2 ? u"01," : u"";
        const std::size_t length = rng() % 80;
        for (std::size_t i = 0; i < length; ++i) text += alphabet[rng() % alphabet.size()];
        const ParsedFontDescription r = ParseFontDescription(text);
        EXPECT_LE(r.font.face.size(), kFontFaceReadLimit);
        EXPECT_LE(r.fieldsRead, 7);
    }
}

}  // namespace
}  // namespace tsy
