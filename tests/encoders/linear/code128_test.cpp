#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoders/linear/code128_detail.h"
#include "encoders/linear/linear_encoders.h"
#include "imaging/symbol_raster.h"
#include "support/zxing_decode.h"

namespace tsy::linear {
namespace {

std::vector<uint8_t> Values(const std::string& s) {
    return Code128Values(reinterpret_cast<const uint8_t*>(s.data()), static_cast<int>(s.size()));
}

std::vector<uint8_t> WithoutCheck(std::vector<uint8_t> v) {
    if (!v.empty()) v.pop_back();
    return v;
}

TEST(Code128, CodeSetChoice) {
    struct {
        const char* name;
        std::string message;
        std::vector<uint8_t> values;  // start to last data value, check left out
    } cases[] = {
        {"four digits start in C", "1234", {105, 12, 34}},
        {"two digits start in B", "12", {104, 17, 18}},
        {"six-digit run switches to C", "AB123456CD", {104, 33, 34, 99, 12, 34, 56, 100, 35, 36}},
        {"five-digit run stays in B", "AB12345CD", {104, 33, 34, 17, 18, 19, 20, 21, 35, 36}},
        {"odd run leaves C a digit early", "12345", {105, 12, 34, 100, 21}},
        {"odd run inside", "A1234567", {104, 33, 99, 12, 34, 56, 100, 23}},
        {"control character starts in A", "\ra", {103, 77, 100, 65}},
        {"grave accent after control", "\r`", {103, 77, 100, 64}},
        {"DEL after control", "\r\x7f", {103, 77, 100, 95}},
        {"capitals stay in A", "\rB\x01", {103, 77, 34, 65}},
        {"control inside B", "A\rB", {104, 33, 101, 77, 34}},
        {"FNC1 and four digits in C",
         "\x80"
         "1234",
         {105, 102, 12, 34}},
        {"FNC1 alone starts in B",
         "\x80"
         "A",
         {104, 102, 33}},
        {"FNC2 and FNC3 in B", "A\x81\x82", {104, 33, 97, 96}},
        {"FNC4 in B", "A\x83", {104, 33, 100}},
        {"FNC4 in A", "\r\x83", {103, 77, 101}},
        {"MAC address variant", "123456\x82", {105, 12, 34, 56, 100, 96}},
        {"leading tilde and FNC3", "~ABC\x82", {104, 94, 33, 34, 35, 96}},
        {"leading FNC3 keeps B for two pairs",
         "\x82"
         "1234",
         {104, 96, 17, 18, 19, 20}},
        {"C left for A", "1234\r", {105, 12, 34, 101, 77}},
    };
    for (const auto& c : cases) EXPECT_EQ(WithoutCheck(Values(c.message)), c.values) << c.name;
}

TEST(Code128, CheckCharacter) {
    EXPECT_EQ(Values("1234").back(), 82);  // (105 + 12 + 2 x 34) mod 103
    EXPECT_EQ(Values("12").back(), (104 + 17 + 2 * 18) % 103);
}

TEST(Code128, Refusals) {
    struct {
        const char* name;
        std::string message;
    } cases[] = {
        {"empty", ""},
        {"byte 0x84", "AB\x84"},
        {"byte 0xFF", "\xff"},
        {"257 bytes", std::string(257, 'A')},
        {"149 alternating bytes need 299 values",
         [] {
             std::string s;
             for (int i = 0; i < 149; ++i) s += i % 2 ? 'a' : '\x01';
             return s;
         }()},
    };
    for (const auto& c : cases) EXPECT_TRUE(Values(c.message).empty()) << c.name;
    std::string fits;
    for (int i = 0; i < 148; ++i) fits += i % 2 ? 'a' : '\x01';
    EXPECT_EQ(Values(fits).size(), 297u);
    EXPECT_EQ(Values(std::string(256, 'A')).size(), 258u);
    EXPECT_TRUE(Code128Values(nullptr, 3).empty());
}

TEST(Code128, Menu128Values) {
    const uint8_t d0203[4] = {0x03, 0x02, 0, 0};
    const uint8_t d05[4] = {0x05, 0, 0, 0};
    const uint8_t d0100[4] = {0x00, 0x01, 0, 0};  // d0 = 0 stops the count at once
    const uint8_t d3[4] = {0x03, 0x42, 0x01, 0};
    const uint8_t d4[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    struct {
        int id, opcode, offset;
        const uint8_t* data;
        std::vector<uint8_t> values;  // check included
    } cases[] = {
        {5, 1, 0x10, d0203, {106, 5, 10, 80, 0, 5, 35, 91}},
        {5, 1, 0x10, d05, {106, 5, 10, 80, 0, 5, (106 + 5 + 20 + 240 + 0 + 25) % 103}},
        {0, 0, 0, d0100, {106, 0, 0, 0, 106 % 103}},
        {0, 0, 0, nullptr, {106, 0, 0, 0, 106 % 103}},
        {1, 0, 0, d3, {106, 1, 0, 0, 0, 10, 5, 35, (106 + 1 + 50 + 30 + 245) % 103}},
        {106,
         10,
         31,
         d4,
         {106, 106, 106, 95, 63, 85, 31, 85, 31,
          (106 + 106 + 212 + 285 + 252 + 425 + 186 + 595 + 248) % 103}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Menu128Values(c.id, c.opcode, c.offset, c.data), c.values) << c.id;
    EXPECT_TRUE(Menu128Values(107, 0, 0, nullptr).empty());
    EXPECT_TRUE(Menu128Values(-1, 0, 0, nullptr).empty());
    EXPECT_TRUE(Menu128Values(0, 10, 32, nullptr).empty());  // 10272: first digit 107
    EXPECT_TRUE(Menu128Values(0, -1, 0, nullptr).empty());
    EXPECT_TRUE(Menu128Values(0, 0, -5, nullptr).empty());
    EXPECT_TRUE(Menu128Values(0, 0x7fffffff, 0x7fffffff, nullptr).empty());
}

std::string ModuleString(const std::vector<uint8_t>& row, std::size_t from, std::size_t count) {
    std::string s;
    for (std::size_t i = from; i < from + count && i < row.size(); ++i) s += row[i] ? '1' : '0';
    return s;
}

TEST(Code128, ModuleRow) {
    const auto row = Code128ModuleRow({105, 12, 34, 82});
    ASSERT_EQ(row.size(), 11u * 4 + 33);
    EXPECT_EQ(ModuleString(row, 0, 10), "0000000000");
    EXPECT_EQ(ModuleString(row, 10, 11), "11010011100");  // Start C
    EXPECT_EQ(ModuleString(row, row.size() - 23, 13), "1100011101011");
    EXPECT_EQ(ModuleString(row, row.size() - 10, 10), "0000000000");
    // Menu 128 starts with the first eleven modules of the stop pattern.
    const auto menu = Code128ModuleRow({106});
    EXPECT_EQ(ModuleString(menu, 10, 11), "11000111010");
}

TEST(Code128, PatternsAreElevenModulesAndDistinct) {
    for (int v = 0; v < 107; ++v) {
        int modules = 0;
        for (const char* p = kCode128Patterns[v]; *p; ++p) modules += *p - '0';
        EXPECT_EQ(modules, 11) << v;
        for (int u = 0; u < v; ++u)
            EXPECT_STRNE(kCode128Patterns[u], kCode128Patterns[v]) << u << " " << v;
    }
}

struct Raster {
    OwnedRaster raster;
    int32_t width = -1;
};

Raster Encode128(const std::string& s, int x, int height) {
    Raster r;
    void* bits = nullptr;
    BlockHandle b = EncodeCode128(reinterpret_cast<const uint8_t*>(s.data()),
                                  static_cast<int32_t>(s.size()), x, height, &r.width, &bits);
    r.raster = OwnedRaster(b, height < 1 ? 1 : height, r.width, bits);
    return r;
}

TEST(Code128, RasterWidthAndClamping) {
    struct {
        std::string message;
        int x, height, width;
    } cases[] = {{"1234", 1, 5, 77},
                 {"1234", 2, 5, 154},
                 {"12", 3, 1, 3 * 77},
                 {"1234", 0, 0, 77},
                 {"1234", -4, -9, 77}};
    for (const auto& c : cases) {
        Raster r = Encode128(c.message, c.x, c.height);
        ASSERT_TRUE(r.raster) << c.message;
        EXPECT_EQ(r.width, c.width);
        EXPECT_EQ(BlockLockCount(r.raster.handle()), 1);
        EXPECT_EQ(r.raster.bit(0, 0), 1);                         // quiet zone is light
        EXPECT_EQ(r.raster.bit(10 * (c.x < 1 ? 1 : c.x), 0), 0);  // start bar
    }
    int32_t w = 5;
    void* bits = &w;
    EXPECT_EQ(EncodeCode128(reinterpret_cast<const uint8_t*>("\x90"), 1, 1, 1, &w, &bits), nullptr);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(bits, nullptr);
    EXPECT_FALSE(Encode128("1234", 100000, 1).raster);  // wider than a raster may be
    const uint8_t d[4] = {3, 2, 0, 0};
    BlockHandle menu = EncodeMenu128(5, 1, 16, d, 2, 4, &w, &bits);
    ASSERT_NE(menu, nullptr);
    OwnedRaster owned(menu, 4, w, bits);
    EXPECT_EQ(w, 2 * (11 * 8 + 33));
    EXPECT_EQ(EncodeMenu128(107, 0, 0, d, 2, 4, &w, &bits), nullptr);
}

TEST(Code128, RandomInputNeverCrashes) {
    for (uint32_t seed = 0; seed < 200; ++seed) {
        const std::string s = test::RandomBytes(seed, seed % 300);
        Raster r = Encode128(s, static_cast<int>(seed % 4) - 1, 2);
        bool encodable = !s.empty() && s.size() <= 256;
        for (char ch : s) encodable = encodable && static_cast<uint8_t>(ch) <= 0x83;
        if (!encodable) {
            EXPECT_FALSE(r.raster) << seed;
        }
    }
    std::string big(100000, '1');
    EXPECT_FALSE(Encode128(big, 1, 1).raster);
    EXPECT_TRUE(Encode128("7", 1, 1).raster);
}

}  // namespace
}  // namespace tsy::linear
