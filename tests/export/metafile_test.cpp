#include "imaging/metafile.h"
#include "support/require.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>
#include <vector>

#include "support/test_files.h"
#include "test_picture.h"

namespace tsy {
namespace {

using test::Quote;
using test::ReadFile;
using test::RunTool;
using test::TempDir;

unsigned Le16(const std::string& b, std::size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<unsigned>(static_cast<uint8_t>(b[at + 1]))
                                             << 8;
}

unsigned Le32(const std::string& b, std::size_t at) {
    return Le16(b, at) | Le16(b, at + 2) << 16;
}

struct Rec {
    std::size_t at;  // offset of the record in the file
    unsigned words;
    unsigned function;
};

// Walks the records after the placeable header and META_HEADER; stops at META_EOF.
std::vector<Rec> Records(const std::string& file) {
    std::vector<Rec> recs;
    std::size_t at = 22 + 18;
    while (at + 6 <= file.size()) {
        const Rec r{at, Le32(file, at), Le16(file, at + 4)};
        recs.push_back(r);
        if (r.function == 0 || r.words < 3) break;
        at += 2 * std::size_t{r.words};
    }
    return recs;
}

TEST(Metafile, PlaceableHeaderOf200x99) {
    CMetafile mf;
    ASSERT_NE(mf.Create(test::TestPicture(200, 99, false), 1.0, 1.0, 96), 0);
    const std::string b = mf.Bytes();
    ASSERT_GT(b.size(), 22u);
    const unsigned expected[11] = {0xCDD7, 0x9AC6, 0, 0, 0, 200, 99, 96, 0, 0, 0};
    unsigned x = 0;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Le16(b, 2 * i), expected[i]) << "word " << i;
        x ^= Le16(b, 2 * i);
    }
    EXPECT_EQ(Le16(b, 20), x);
    EXPECT_EQ(Le16(b, 20), 0xCDD7u ^ 0x9AC6u ^ 200u ^ 99u ^ 96u);
    EXPECT_EQ(mf.DrawnWidth(), 200);
    EXPECT_EQ(mf.DrawnHeight(), 99);
}

TEST(Metafile, RecordsFollowTheWmfLayout) {
    const RgbImage picture = test::TestPicture(31, 10, true);
    CMetafile mf;
    ASSERT_NE(mf.Create(picture, 2.0, 3.0, 96), 0);
    const std::string b = mf.Bytes();
    // META_HEADER: memory metafile, 9 words, version 3, total size, no objects, largest record.
    EXPECT_EQ(Le16(b, 22), 1u);
    EXPECT_EQ(Le16(b, 24), 9u);
    EXPECT_EQ(Le16(b, 26), 0x0300u);
    EXPECT_EQ(Le32(b, 28) * 2, b.size() - 22);
    EXPECT_EQ(Le16(b, 32), 0u);

    const std::vector<Rec> recs = Records(b);
    const unsigned functions[] = {0x0103, 0x020C, 0x020E, 0x020B, 0x020D, 0x0107, 0x0B41, 0x0000};
    ASSERT_EQ(recs.size(), std::size(functions));
    unsigned largest = 0;
    for (std::size_t i = 0; i < recs.size(); ++i) {
        EXPECT_EQ(recs[i].function, functions[i]) << i;
        largest = std::max(largest, recs[i].words);
    }
    EXPECT_EQ(Le32(b, 34), largest);
    EXPECT_EQ(recs.back().at + 6, b.size());
    EXPECT_EQ(Le16(b, recs[0].at + 6), 8u);   // MM_ANISOTROPIC
    EXPECT_EQ(Le16(b, recs[1].at + 6), 30u);  // window extent: y then x
    EXPECT_EQ(Le16(b, recs[1].at + 8), 62u);
    EXPECT_EQ(Le16(b, recs[2].at + 6), 30u);
    EXPECT_EQ(Le16(b, recs[5].at + 6), 3u);  // COLORONCOLOR

    const std::size_t blt = recs[6].at + 6;
    EXPECT_EQ(Le32(b, blt), 0x00CC0020u);
    const unsigned params[] = {10, 31, 0, 0, 30, 62, 0, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Le16(b, blt + 4 + 2 * i), params[i]) << i;
    const std::size_t dib = blt + 20;
    EXPECT_EQ(Le32(b, dib), 40u);
    EXPECT_EQ(Le32(b, dib + 4), 31u);
    EXPECT_EQ(Le32(b, dib + 8), 10u);
    EXPECT_EQ(Le16(b, dib + 14), 24u);
    // Bottom-up BGR rows of 96 bytes (93 padded to 4).
    const std::size_t bits = dib + 40;
    EXPECT_EQ(recs[6].words * 2, 26 + 40 + 96 * 10u);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 31; ++x) {
            const std::size_t at = bits + static_cast<std::size_t>((9 - y) * 96 + 3 * x);
            const uint8_t* p = picture.row(y) + 3 * x;
            ASSERT_EQ(static_cast<uint8_t>(b[at]), p[2]) << x << "," << y;
            ASSERT_EQ(static_cast<uint8_t>(b[at + 1]), p[1]);
            ASSERT_EQ(static_cast<uint8_t>(b[at + 2]), p[0]);
        }
    }
}

TEST(Metafile, RefusesSizesTheHeaderCannotHold) {
    const RgbImage wide = test::TestPicture(20000, 2, false);
    const RgbImage small = test::TestPicture(10, 10, false);
    RgbImage broken = small;
    broken.pixels.pop_back();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const RgbImage* picture;
        double sx, sy;
        int dpi;
    } cases[] = {
        {&wide, 2.0, 1.0, 96},      // 40000 wide
        {&small, 1.0, 3300.0, 96},  // 33000 high
        {&small, 0.05, 1.0, 96},    // nothing left to draw
        {&small, nan, 1.0, 96},    {&small, 1.0, -1.0, 96},
        {&small, 1.0, 1.0, 0},     {&broken, 1.0, 1.0, 96},
    };
    TempDir dir;
    for (const auto& c : cases) {
        CMetafile mf;
        EXPECT_EQ(mf.Create(*c.picture, c.sx, c.sy, c.dpi), 0) << c.sx << " " << c.sy;
        EXPECT_TRUE(mf.Bytes().empty());
        std::string error;
        EXPECT_FALSE(mf.Write(dir / "x.wmf", &error));
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(std::filesystem::exists(dir / "x.wmf"));
    }
    CMetafile edge;
    EXPECT_NE(edge.Create(wide, 32767.0 / 20000.0, 1.0, 96), 0);
    EXPECT_EQ(edge.DrawnWidth(), 32767);
}

TEST(Metafile, WritesTheFileItDescribes) {
    TempDir dir;
    CMetafile mf;
    ASSERT_NE(mf.Create(test::TestPicture(50, 20, false), 1.0, 1.0), 0);
    std::string error;
    ASSERT_TRUE(mf.Write(dir / "m.wmf", &error)) << error;
    EXPECT_EQ(ReadFile(dir / "m.wmf"), mf.Bytes());
    EXPECT_FALSE(mf.Write(dir / "no/m.wmf", &error));
}

// libwmf plays the file back: it must see the drawn size and a bitmap.
TEST(Metafile, LibwmfRendersItAtTheDrawnSize) {
    TSY_REQUIRE_TOOL(test::ToolAvailable("/usr/bin/wmf2svg"), "wmf2svg (libwmf-bin)");
    TempDir dir;
    const struct {
        int w, h;
        double sx, sy;
    } cases[] = {{200, 99, 1.0, 1.0}, {33, 57, 2.0, 1.0}, {64, 64, 0.5, 0.5}};
    for (const auto& c : cases) {
        CMetafile mf;
        ASSERT_NE(mf.Create(test::TestPicture(c.w, c.h, false), c.sx, c.sy), 0);
        const auto file = dir / "r.wmf";
        ASSERT_TRUE(mf.Write(file, nullptr));
        bool ok = false;
        const std::string svg = RunTool("/usr/bin/wmf2svg " + Quote(file), &ok);
        ASSERT_TRUE(ok) << c.w << "x" << c.h;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(svg, m,
                                      std::regex("<svg[^>]*width=\"([0-9.]+)\"[^>]*"
                                                 "height=\"([0-9.]+)\"")))
            << svg.substr(0, 400);
        EXPECT_NEAR(std::stod(m[1]), mf.DrawnWidth(), 1.0) << svg.substr(0, 400);
        EXPECT_NEAR(std::stod(m[2]), mf.DrawnHeight(), 1.0);
        EXPECT_NE(svg.find("<image"), std::string::npos) << svg.substr(0, 800);
    }
}

}  // namespace
}  // namespace tsy
