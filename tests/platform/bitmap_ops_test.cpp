#include "platform/bitmap_ops.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tsy {
namespace {

// Pictures as ASCII art: X black, . white.
RgbImage Art(const std::vector<std::string>& rows) {
    RgbImage picture =
        MakeRgbImage(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (rows[y][x] == 'X') picture.setPixel(x, y, 0, 0, 0);
        }
    }
    return picture;
}

std::vector<std::string> ArtOf(const RgbImage& picture) {
    std::vector<std::string> rows;
    for (int y = 0; y < picture.height; ++y) {
        std::string row;
        for (int x = 0; x < picture.width; ++x) row += picture.isBlack(x, y) ? 'X' : '.';
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> ArtOf(const Bitmap1& mono) {
    return ArtOf(Bitmap1ToRgb(mono));
}

TEST(Bitmap1, FromRasterBitsInCreateBitmapLayout) {
    // 18 pixels wide: 4 bytes a row (padded to 16 bits); bit 0 is black.
    const uint8_t bits[] = {0x0F, 0xFF, 0x3F, 0xFF,  //
                            0xFF, 0xFE, 0xFF, 0xFF};
    const Bitmap1 mono = MakeBitmap1(18, 2, bits);
    ASSERT_EQ(mono.stride(), 4);
    EXPECT_EQ(ArtOf(mono), (std::vector<std::string>{"XXXX............XX", "...............X.."}));
}

TEST(Bitmap1, NullBitsAndBadSizes) {
    const Bitmap1 black = MakeBitmap1(3, 2, nullptr);
    EXPECT_EQ(ArtOf(black), (std::vector<std::string>{"XXX", "XXX"}));
    EXPECT_TRUE(MakeBitmap1(0, 5, nullptr).empty());
    EXPECT_TRUE(MakeBitmap1(5, -1, nullptr).empty());
    EXPECT_TRUE(MakeRgbImage(-3, 2).empty());
    EXPECT_EQ(MakeFilledBitmap1(17, 1, true).bits, std::vector<uint8_t>(4, 0xFF));
}

TEST(Bitmap1, ColourToMonochromeKeepsOnlyWhiteAsWhite) {
    RgbImage picture = Art({"X..", "..."});
    picture.setPixel(1, 0, 254, 255, 255);  // nearly white is still not the background
    picture.setPixel(2, 1, 128, 128, 128);
    EXPECT_EQ(ArtOf(Bitmap1ToRgb(RgbToBitmap1(picture))), (std::vector<std::string>{"XX.", "..X"}));
}

struct BlitCase {
    const char* name;
    int x, y;
    std::vector<std::string> expected;
};

TEST(Blit, CopiesAndClipsLikeBitBlt) {
    const RgbImage src = Art({"XX", "X."});
    const BlitCase cases[] = {
        {"inside", 1, 1, {"....", ".XX.", ".X.."}},
        {"left-top outside", -1, -1, {"....", "....", "...."}},
        {"partly left", -1, 0, {"X...", "....", "...."}},
        {"right-bottom edge", 3, 2, {"....", "....", "...X"}},
        {"far away", 40, 40, {"....", "....", "...."}},
    };
    for (const BlitCase& c : cases) {
        RgbImage dst = MakeRgbImage(4, 3);
        Blit(dst, c.x, c.y, src);
        EXPECT_EQ(ArtOf(dst), c.expected) << c.name;
        Bitmap1 mono = MakeFilledBitmap1(4, 3, true);
        Blit(mono, c.x, c.y, RgbToBitmap1(src));
        EXPECT_EQ(ArtOf(mono), c.expected) << c.name << " (one-bit)";
    }
}

struct StretchCase {
    const char* name;
    std::vector<std::string> src;
    int dw, dh;
    std::vector<std::string> expected;
};

TEST(StretchBlit, NearestNeighbourDropsRowsAndColumns) {
    const StretchCase cases[] = {
        {"double", {"X.", ".X"}, 4, 4, {"XX..", "XX..", "..XX", "..XX"}},
        {"halve keeps even columns and rows", {"X.X.", "....", "..X.", "XXXX"}, 2, 2, {"XX", ".X"}},
        {"one and a half", {"X.", ".X"}, 3, 3, {"XX.", "XX.", "..X"}},
        {"thin line vanishes when shrunk",
         {"....", "XXXX", "....", "...."},
         4,
         2,
         {"....", "...."}},
    };
    for (const StretchCase& c : cases) {
        const RgbImage src = Art(c.src);
        RgbImage dst = MakeRgbImage(c.dw, c.dh);
        StretchBlit(dst, 0, 0, c.dw, c.dh, src, 0, 0, src.width, src.height);
        EXPECT_EQ(ArtOf(dst), c.expected) << c.name;
        Bitmap1 mono = MakeFilledBitmap1(c.dw, c.dh, true);
        StretchBlit(mono, 0, 0, c.dw, c.dh, RgbToBitmap1(src), 0, 0, src.width, src.height);
        EXPECT_EQ(ArtOf(mono), c.expected) << c.name << " (one-bit)";
    }
}

TEST(StretchBlit, ClipsAndIgnoresEmptyRectangles) {
    const RgbImage src = Art({"XX", "XX"});
    RgbImage dst = MakeRgbImage(3, 3);
    StretchBlit(dst, 2, -2, 4, 4, src, 0, 0, 2, 2);
    EXPECT_EQ(ArtOf(dst), (std::vector<std::string>{"..X", "..X", "..."}));
    RgbImage untouched = MakeRgbImage(3, 3);
    StretchBlit(untouched, 0, 0, 0, 3, src, 0, 0, 2, 2);
    StretchBlit(untouched, 0, 0, 3, 3, src, 0, 0, 2, -1);
    StretchBlit(untouched, 0, 0, 3, 3, src, 5, 5, 2, 2);  // source outside: nothing read
    EXPECT_EQ(ArtOf(untouched), (std::vector<std::string>{"...", "...", "..."}));
}

// The one-bit copies move whole bytes between ragged ends: over random sizes and offsets
// (a fixed seed) they must match the RGB copies pixel for pixel, on a patterned ground.
TEST(Blit, OneBitSpansMatchThePixelCopies) {
    std::mt19937 random(15);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    const auto noise = [&](int w, int h) {
        RgbImage p = MakeRgbImage(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (pick(0, 2) == 0) p.setPixel(x, y, 0, 0, 0);
        return p;
    };
    for (int i = 0; i < 300; ++i) {
        const RgbImage src = noise(pick(1, 40), pick(1, 4));
        RgbImage dst = noise(pick(1, 45), pick(1, 5));
        Bitmap1 mono = RgbToBitmap1(dst);
        const int x = pick(-20, 45), y = pick(-3, 5);
        if (i % 2 == 0) {
            Blit(dst, x, y, src);
            Blit(mono, x, y, RgbToBitmap1(src));
        } else {
            // Not stretched across; rows stretched or not.
            const int sx = pick(-3, 10), sw = pick(1, 30), dh = pick(1, 6), sh = pick(1, 4);
            StretchBlit(dst, x, y, sw, dh, src, sx, 0, sw, sh);
            StretchBlit(mono, x, y, sw, dh, RgbToBitmap1(src), sx, 0, sw, sh);
        }
        ASSERT_EQ(ArtOf(mono), ArtOf(dst)) << "case " << i;
    }
}

}  // namespace
}  // namespace tsy
