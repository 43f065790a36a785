#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "imaging/raster_limits.h"
#include "imaging/scalers.h"
#include "imaging/symbol_raster.h"

namespace tsy {
namespace {

ModuleMatrix FromArt(const std::vector<std::string>& art) {
    ModuleMatrix m(static_cast<int>(art[0].size()), static_cast<int>(art.size()));
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x) m.set(x, y, art[y][x] == 'X');
    return m;
}

// Renders a scaled raster as art: X for the dark value, . for light.
std::vector<std::string> ToArt(const ModuleMatrix& m, int X, int Y, bool reverse, int u) {
    int32_t h = m.height(), w = m.width();
    OwnedRaster r(ScaleModuleMatrix(m, &h, &w, X, Y, reverse, u), 0, 0, nullptr);
    EXPECT_TRUE(r);
    if (!r) return {};
    auto* bits = static_cast<const uint8_t*>(BlockLock(r.handle()));
    std::vector<std::string> out;
    const int stride = (w + 15) / 16 * 2;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            const int bit = (bits[y * stride + x / 8] >> (7 - x % 8)) & 1;
            row += (bit == (reverse ? 1 : 0)) ? 'X' : '.';
        }
        out.push_back(row);
    }
    BlockUnlock(r.handle());
    return out;
}

struct ScaleCase {
    const char* name;
    std::vector<std::string> matrix;
    int X, Y, undercut;
    std::vector<std::string> expected;
};

class ScaleModuleMatrixTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleModuleMatrixTest, MatchesExpectedPixels) {
    const auto& c = GetParam();
    EXPECT_EQ(ToArt(FromArt(c.matrix), c.X, c.Y, false, c.undercut), c.expected);
    EXPECT_EQ(ToArt(FromArt(c.matrix), c.X, c.Y, true, c.undercut), c.expected) << "reverse video";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScaleModuleMatrixTest,
    testing::Values(
        ScaleCase{"NoUndercut3x2", {"X.", ".X"}, 3, 2, 0, {"XXX...", "XXX...", "...XXX", "...XXX"}},
        ScaleCase{"IsolatedModuleUndercut1", {"X"}, 4, 4, 1, {"XXX.", "XXX.", "XXX.", "...."}},
        ScaleCase{"HorizontalRunKeepsBand",
                  {"XX"},
                  4,
                  4,
                  1,
                  {"XXXXXXX.", "XXXXXXX.", "XXXXXXX.", "........"}},
        ScaleCase{"VerticalRunJoined", {"X", "X"}, 2, 2, 1, {"X.", "X.", "X.", ".."}},
        ScaleCase{"DiagonalCornerThinned", {"XX", "X."}, 2, 2, 1, {"XXX.", "X...", "X...", "...."}},
        ScaleCase{"UndercutWiderThanModule", {"X", "."}, 2, 2, 3, {"..", "..", "..", ".."}},
        ScaleCase{"UndercutEqualsWidth", {"X", "X"}, 2, 2, 2, {"..", "..", "..", ".."}}),
    [](const auto& info) { return info.param.name; });

// The undercut rule pixel by pixel, as plainly as it can be said; the scaler draws runs.
std::vector<uint8_t> ReferenceScale(const ModuleMatrix& m, int X, int Y, bool reverse, int u) {
    const int light = reverse ? 0 : 1, dark = 1 - light;
    const int W = m.width() * X, stride = (W + 15) / 16 * 2;
    std::vector<uint8_t> out(static_cast<std::size_t>(stride) * m.height() * Y, 0);
    auto isDark = [&](int r, int c) { return r < m.height() && c < m.width() && m.get(c, r); };
    for (int py = 0; py < m.height() * Y; ++py) {
        for (int px = 0; px < stride * 8; ++px) {
            int v = light;
            if (px < W) {
                const int r = py / Y, j = py % Y, c = px / X, k = px % X;
                const bool d = isDark(r, c);
                const bool band = u > 0 && j >= Y - u;
                v = d ? dark : light;
                if (d && band && !isDark(r + 1, c)) v = light;
                const int l = X - u;
                if (u > 0 && l >= 0 && l < X && k >= l && v == dark &&
                    (c == m.width() - 1 || !isDark(r, c + 1) || (band && !isDark(r + 1, c + 1))))
                    v = light;
            }
            if (v) out[static_cast<std::size_t>(py) * stride + px / 8] |= 0x80 >> (px % 8);
        }
    }
    return out;
}

TEST(ScaleModuleMatrix, MatchesThePixelRuleOnRandomMatrices) {
    std::mt19937 rng(11);
    for (int round = 0; round < 400; ++round) {
        ModuleMatrix m(1 + static_cast<int>(rng() % 23), 1 + static_cast<int>(rng() % 9));
        for (int y = 0; y < m.height(); ++y)
            for (int x = 0; x < m.width(); ++x) m.set(x, y, rng() % 2);
        const int X = 1 + static_cast<int>(rng() % (round % 10 == 0 ? 70 : 6));
        const int Y = 1 + static_cast<int>(rng() % 5);
        const int u = static_cast<int>(rng() % 8) - 1;
        const bool reverse = rng() % 2;
        int32_t h = m.height(), w = m.width();
        OwnedRaster r(ScaleModuleMatrix(m, &h, &w, X, Y, reverse, u), 0, 0, nullptr);
        ASSERT_TRUE(r);
        const auto expected = ReferenceScale(m, X, Y, reverse, u);
        ASSERT_EQ(BlockSize(r.handle()), expected.size());
        const auto* bits = static_cast<const uint8_t*>(BlockLock(r.handle()));
        ASSERT_TRUE(std::equal(expected.begin(), expected.end(), bits))
            << "round " << round << ": " << m.width() << "x" << m.height() << " X=" << X
            << " Y=" << Y << " u=" << u << " reverse=" << reverse;
        BlockUnlock(r.handle());
    }
}

TEST(ScaleModuleMatrix, PaddingCarriesLightValue) {
    for (bool reverse : {false, true}) {
        ModuleMatrix m(17, 1);
        int32_t h = 1, w = 17;
        OwnedRaster r(ScaleModuleMatrix(m, &h, &w, 1, 1, reverse, 0), 0, 0, nullptr);
        ASSERT_TRUE(r);
        ASSERT_EQ(BlockSize(r.handle()), 4u);
        auto* bits = static_cast<const uint8_t*>(BlockLock(r.handle()));
        const uint8_t light = reverse ? 0x00 : 0xFF;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(bits[i], light);
        BlockUnlock(r.handle());
    }
}

TEST(ScaleModuleMatrix, RefusesBadAndHugeSizes) {
    ModuleMatrix m(10, 10);
    struct {
        int32_t h, w, X, Y;
    } cases[] = {{10, 10, 0, 1},          {10, 10, 1, -1},   {0, 10, 1, 1},
                 {10, 10, 2000000000, 1}, {10, 10, 1, 4000}, {10, 10, 3277, 1}};
    for (auto c : cases) {
        int32_t h = c.h, w = c.w;
        EXPECT_EQ(ScaleModuleMatrix(m, &h, &w, c.X, c.Y, false, 0), nullptr) << c.X << "x" << c.Y;
    }
    EXPECT_TRUE(RasterSizeOk(32767, 32767));
    EXPECT_FALSE(RasterSizeOk(32768, 1));
    EXPECT_FALSE(RasterSizeOk(1, 0));
}

TEST(ScaleLinearRow, RowOf23ModulesAt2Pixels) {
    std::vector<uint8_t> modules(23);
    for (int i = 0; i < 23; ++i) modules[i] = i % 3 == 0;
    std::vector<uint8_t> packed(4, 0);
    PackModuleBytes(packed.data(), modules.data(), 23);
    int32_t w = 23;
    OwnedRaster r(ScaleLinearRow(packed.data(), 3, &w, 2), 0, 0, nullptr);
    ASSERT_TRUE(r);
    EXPECT_EQ(w, 46);
    EXPECT_EQ(BlockSize(r.handle()), 18u);
    auto* bits = static_cast<const uint8_t*>(BlockLock(r.handle()));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 48; ++x) {
            const int bit = (bits[y * 6 + x / 8] >> (7 - x % 8)) & 1;
            const int expected = x >= 46 ? 1 : (modules[x / 2] ? 0 : 1);
            ASSERT_EQ(bit, expected) << "row " << y << " x " << x;
        }
    }
    BlockUnlock(r.handle());
}

// One pixel a module goes a byte at a time: every width around the byte edges.
TEST(ScaleLinearRow, OnePixelModulesAtEveryWidth) {
    for (int32_t count = 1; count <= 41; ++count) {
        std::vector<uint8_t> modules(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) modules[i] = (i * 7 + count) % 3 == 0;
        std::vector<uint8_t> packed(static_cast<std::size_t>((count + 7) / 8), 0);
        PackModuleBytes(packed.data(), modules.data(), count);
        int32_t w = count;
        OwnedRaster r(ScaleLinearRow(packed.data(), 2, &w, 1), 0, 0, nullptr);
        ASSERT_TRUE(r);
        const int stride = (count + 15) / 16 * 2;
        const auto* bits = static_cast<const uint8_t*>(BlockLock(r.handle()));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 8 * stride; ++x) {
                const int bit = (bits[y * stride + x / 8] >> (7 - x % 8)) & 1;
                ASSERT_EQ(bit, x >= count || !modules[x] ? 1 : 0) << count << " at " << x;
            }
        BlockUnlock(r.handle());
    }
}

TEST(PackModuleBytes, LeavesBitsBeyondCountAlone) {
    const uint8_t row[] = {1, 0, 1, 1};
    uint8_t dest[2] = {0x0F, 0xAA};
    PackModuleBytes(dest, row, 4);
    EXPECT_EQ(dest[0], 0xBF);
    EXPECT_EQ(dest[1], 0xAA);
}

TEST(WriteRasterBmp, SeventeenByTwo) {
    // Row 0 all dark, row 1 all light, both with the layout's 16-bit padding.
    const uint8_t raster[8] = {0x00, 0x00, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::string path = testing::TempDir() + "/r17x2.bmp";
    ASSERT_TRUE(WriteRasterBmp(raster, 2, 17, path.c_str()));
    std::ifstream f(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), {});
    ASSERT_EQ(b.size(), 70u);
    auto u32 = [&](int o) { return b[o] | b[o + 1] << 8 | b[o + 2] << 16 | b[o + 3] << 24; };
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(u32(2), 70);
    EXPECT_EQ(u32(10), 62);
    EXPECT_EQ(u32(18), 17);
    EXPECT_EQ(u32(22), 2);
    EXPECT_EQ(u32(34), 8);
    EXPECT_EQ(u32(46), 2);
    const std::vector<uint8_t> pixels(b.begin() + 62, b.end());
    EXPECT_EQ(pixels, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x7F, 0xFF}));
    EXPECT_FALSE(WriteRasterBmp(raster, 2, 17, "/nonexistent-dir/x.bmp"));
}

TEST(WriteRasterBmp, FileRowPaddingIsOne) {
    const uint8_t raster[2] = {0x00, 0x00};  // 12 pixels, one 2-byte row
    const std::string path = testing::TempDir() + "/r12.bmp";
    ASSERT_TRUE(WriteRasterBmp(raster, 1, 12, path.c_str()));
    std::ifstream f(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), {});
    ASSERT_EQ(b.size(), 66u);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 62, b.end()),
              (std::vector<uint8_t>{0x00, 0x0F, 0x01, 0x01}));
}

TEST(MemoryBlock, LockCountAndOwnership) {
    BlockHandle b = BlockAlloc(16);
    ASSERT_NE(b, nullptr);
    auto* p = static_cast<uint8_t*>(BlockLock(b));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(p[i], 0);
    EXPECT_EQ(BlockLockCount(b), 1);
    EXPECT_FALSE(BlockUnlock(b));
    EXPECT_FALSE(BlockUnlock(b));
    BlockFree(b);
    EXPECT_EQ(BlockAlloc(0), nullptr);
    EXPECT_EQ(BlockLock(nullptr), nullptr);
}

}  // namespace
}  // namespace tsy
