#include <gtest/gtest.h>

#include <string>

#include "encoders/linear/linear_encoders.h"
#include "imaging/symbol_raster.h"
#include "support/zxing_decode.h"

namespace tsy::linear {
namespace {

constexpr int kBarHeight = 8;

std::string Ascii(uint32_t seed, std::size_t length) {
    std::string alphabet;
    for (int c = 0; c < 128; ++c) alphabet += static_cast<char>(c);
    return test::RandomBytes(seed, length, alphabet);
}

test::Decoded Decode128(const std::string& msg) {
    const OwnedRaster r = Code128Raster(reinterpret_cast<const uint8_t*>(msg.data()),
                                        static_cast<int32_t>(msg.size()), 2, kBarHeight);
    if (!r) return {};
    return test::DecodeRaster(r.bits(), r.width(), kBarHeight, test::Symbology::Code128);
}

// ASCII 0-127 at lengths 1..80; a digit-heavy alphabet as well, to exercise set C.
TEST(LinearDecode, Code128ReadsBackAscii) {
    int checked = 0;
    for (uint32_t seed = 0; seed < 240; ++seed) {
        const std::size_t length = 1 + seed % 80;
        const std::string msg = seed % 3 == 2
                                    ? test::RandomBytes(seed, length, "0123456789\r0123456789ab`")
                                    : Ascii(seed, length);
        const test::Decoded d = Decode128(msg);
        ASSERT_TRUE(d.ok) << "seed " << seed << ": " << d.error;
        EXPECT_EQ(d.bytes, msg) << "seed " << seed;
        ++checked;
    }
    EXPECT_EQ(checked, 240);
}

// A leading FNC1 marks GS1 data (]C1); FNC1 further in is read as GS (0x1D).
TEST(LinearDecode, Code128ReadsBackFnc1) {
    for (uint32_t seed = 0; seed < 60; ++seed) {
        const std::string body = test::RandomBytes(seed, 5 + seed % 40, "0123456789ABCxyz");
        const std::size_t cut = 5 + seed % 7 < body.size() ? 5 + seed % 7 : body.size();
        const std::string inner = body.substr(0, cut) + "\x80" + body.substr(cut);
        std::string expectInner = inner;
        expectInner[cut] = '\x1d';
        const bool leading = seed % 2 == 0;
        const std::string msg = leading ? "\x80" + inner : inner;
        const test::Decoded d = Decode128(msg);
        ASSERT_TRUE(d.ok) << "seed " << seed << ": " << d.error;
        EXPECT_EQ(d.bytes, expectInner) << "seed " << seed;
        if (leading) {
            EXPECT_EQ(d.symbologyId, "]C1") << "seed " << seed;
        }
    }
}

TEST(LinearDecode, Code39ReadsBackFullAscii) {
    for (uint32_t seed = 0; seed < 200; ++seed) {
        const std::string msg = Ascii(1000 + seed, 1 + seed % 40);
        const bool check = seed % 2 == 1;
        const OwnedRaster r =
            Code39Raster(reinterpret_cast<const uint8_t*>(msg.data()),
                         static_cast<int32_t>(msg.size()), 3, 1, kBarHeight, check, false);
        ASSERT_TRUE(r);
        test::DecodeOptions options;
        options.code39Extended = true;
        options.code39Check = check;
        const test::Decoded d =
            test::DecodeRaster(r.bits(), r.width(), kBarHeight, test::Symbology::Code39, options);
        ASSERT_TRUE(d.ok) << "seed " << seed << ": " << d.error;
        EXPECT_EQ(d.bytes, msg) << "seed " << seed;
    }
}

}  // namespace
}  // namespace tsy::linear
