#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "encoders/linear/code39_detail.h"
#include "encoders/linear/linear_encoders.h"
#include "imaging/symbol_raster.h"
#include "support/zxing_decode.h"

namespace tsy::linear {
namespace {

std::string Expand(const std::string& s, bool check, bool menu) {
    return Code39Expand(reinterpret_cast<const uint8_t*>(s.data()), static_cast<int>(s.size()),
                        check, menu);
}

TEST(Code39, ExpandedStrings) {
    struct {
        std::string message;
        bool check, menu;
        std::string expanded;
    } cases[] = {
        {"A", false, false, "*A*"},
        {"a", false, false, "*+A*"},
        {"A", true, false, "*AA*"},
        {"ZZZZ", true, false, "*ZZZZB*"},  // 4 x 35 = 140, 140 mod 43 = 11
        {"a", true, false, "*+A8*"},       // 41 + 10 = 51, 51 mod 43 = 8
        {"A", false, true, "A"},
        {"AB", true, true, "ABL"},  // the first character of a menu code is counted: 10 + 11
        {std::string(1, '\0'), false, false, "*%U*"},
        {"\x7f", false, false, "*%T*"},
        {"$%+/*", false, false, "*/D/E/K/O/J*"},
        {"09 -.", false, false, "*09 -.*"},
        {"\x01\x1a\x1b\x1f@`{~", false, false, "*$A$Z%A%E%V%W%P%S*"},
        {"!,:;?[_", false, false, "*/A/L/Z%F%J%K%O*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Expand(c.message, c.check, c.menu), c.expanded) << c.expanded;
    EXPECT_EQ(Expand("a\x80", false, false), "");
    EXPECT_EQ(Expand("\xff", true, true), "");
}

TEST(Code39, AppendCheck) {
    std::string s = "*ZZZZ";
    AppendCode39Check(s);
    EXPECT_EQ(s, "*ZZZZB");
    s = "*";
    AppendCode39Check(s);
    EXPECT_EQ(s, "*0");
    // Long messages: the sum must not wrap; 2000 "%" (value 42) sum to 84000 = 43 x 1953 + 21.
    s = "*" + std::string(2000, '%');
    AppendCode39Check(s);
    EXPECT_EQ(s.back(), 'L');
}

struct Raster {
    OwnedRaster raster;
    int32_t width = -1;
};

Raster Encode39(const std::string& s, int wide, int narrow, int height, bool check, bool menu) {
    Raster r;
    void* bits = nullptr;
    BlockHandle b =
        EncodeCode39(reinterpret_cast<const uint8_t*>(s.data()), static_cast<int32_t>(s.size()),
                     wide, narrow, height, &r.width, check, menu, &bits);
    r.raster = OwnedRaster(b, height < 1 ? 1 : height, r.width, bits);
    return r;
}

TEST(Code39, PixelWidths) {
    struct {
        std::string message;
        int wide, narrow;
        bool check, menu;
        int width;
    } cases[] = {
        {"A", 3, 1, false, false, 68},   {"A", 6, 2, false, false, 136},
        {"A", 3, 1, false, true, 36},    {"A", 3, 1, true, true, 52},
        {"a", 3, 1, false, false, 84},   {"A", 0, 0, false, false, 3 * 13 + 20},
        {"A", -3, -1, false, false, 59}, {"A", 2, 2, false, false, 3 * 20 + 40},
    };
    for (const auto& c : cases) {
        Raster r = Encode39(c.message, c.wide, c.narrow, 3, c.check, c.menu);
        ASSERT_TRUE(r.raster) << c.message;
        EXPECT_EQ(r.width, c.width) << c.message << " " << c.wide << "/" << c.narrow;
        EXPECT_EQ(BlockLockCount(r.raster.handle()), 1);
    }
}

TEST(Code39, ElementLayoutOfA) {
    // "*A*" at narrow 1, wide 3: 10 light columns, then "*" = n W n n W n W n n, bar first.
    Raster r = Encode39("A", 3, 1, 2, false, false);
    ASSERT_TRUE(r.raster);
    std::string row;
    for (int x = 0; x < r.width; ++x) row += r.raster.bit(x, 1) ? '.' : 'X';
    EXPECT_EQ(row.substr(0, 10), "..........");
    EXPECT_EQ(row.substr(10, 16), "X...X.XXX.XXX.X.");       // "*" and its gap
    EXPECT_EQ(row.substr(26, 16), "XXX.X.X...X.XXX.");       // "A" and its gap
    EXPECT_EQ(row.substr(row.size() - 12), "X...........");  // 11 light after the last bar
}

TEST(Code39, SixtyCharactersExpandingToTwoEach) {
    const std::string msg(60, 'q');
    EXPECT_EQ(Expand(msg, true, false).size(), 123u);
    Raster r = Encode39(msg, 3, 1, 1, true, false);
    ASSERT_TRUE(r.raster);
    EXPECT_EQ(r.width, 123 * 16 + 20);
}

TEST(Code39, RefusalsAndRandomInput) {
    int32_t w = 9;
    void* bits = &w;
    EXPECT_EQ(EncodeCode39(reinterpret_cast<const uint8_t*>("A\x80"), 2, 3, 1, 1, &w, false, false,
                           &bits),
              nullptr);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(bits, nullptr);
    EXPECT_FALSE(Encode39("", 3, 1, 1, false, false).raster);
    EXPECT_FALSE(Encode39(std::string(100000, 'A'), 3, 1, 1, true, false).raster);
    // 400 MiB of NULs (each "%U") is refused before it is expanded.
    constexpr int32_t kHuge = int32_t{400} << 20;
    const std::unique_ptr<uint8_t, decltype(&std::free)> huge(
        static_cast<uint8_t*>(std::calloc(kHuge, 1)), &std::free);
    ASSERT_TRUE(huge);
    EXPECT_FALSE(Code39Raster(huge.get(), kHuge, 3, 1, 1, false, false));
    EXPECT_FALSE(Encode39("A", 0x7fffffff, 1, 1, false, false).raster);
    EXPECT_FALSE(Encode39("A", 3, 1, 0x7fffffff, false, false).raster);
    for (uint32_t seed = 0; seed < 100; ++seed) {
        const std::string s = test::RandomBytes(seed, seed % 90);
        Raster r = Encode39(s, static_cast<int>(seed % 5) - 1, static_cast<int>(seed % 3) - 1, 2,
                            seed & 1, seed & 2);
        bool encodable = !s.empty();
        for (char ch : s) encodable = encodable && static_cast<uint8_t>(ch) < 128;
        EXPECT_EQ(static_cast<bool>(r.raster), encodable) << seed;
    }
}

}  // namespace
}  // namespace tsy::linear
