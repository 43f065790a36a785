// Input the encoder must refuse with null, and random input it must survive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>

#include "encoders/aztec/aztec_test_util.h"
#include "support/zxing_decode.h"

namespace tsy::test {
namespace {

TEST(AztecBadInput, SizeChoicesOutsideTheTable) {
    std::vector<int> bad = {100, 301, 400, -1, -300, 1000000};
    for (int e = 105; e <= 200; ++e) bad.push_back(e);
    for (int e = 233; e <= 299; ++e) bad.push_back(e);
    for (int e : bad) {
        AztecOptions o;
        o.sizeChoice = e;
        EXPECT_FALSE(EncodeRaster("SIZE", o)) << e;
    }
}

TEST(AztecBadInput, BadEscapeSequences) {
    AztecOptions o;
    o.escapes = true;
    for (const std::string m : {"\x1b", "A\x1bX",
                                "\x1b"
                                "7",
                                "\x1b"
                                "31",
                                "\x1b"
                                "2"
                                "2A",
                                "\x1b"
                                "6"
                                "12345"})
        EXPECT_FALSE(EncodeRaster(m + "TAIL", o)) << m;
}

TEST(AztecBadInput, MessagesOf20000BitsAndMore) {
    EXPECT_FALSE(EncodeRaster(std::string(2600, '\x80')));
    EXPECT_FALSE(EncodeRaster(std::string(5000, '7')));
    AztecOptions o;
    o.sizeChoice = 232;
    EXPECT_FALSE(EncodeRaster(std::string(2600, '\x80'), o));
    // Spread over a set it might fit per symbol, but no search may drop the rest of it.
    o = {};
    o.symbols = 9;
    EXPECT_FALSE(EncodeRaster(std::string(3000, '\x80'), o));
}

// The bit count is checked, not only whether the search reached the end: 4999 digits end on the
// very value that crosses 20000 bits (5 + 4 x 4999), one digit fewer stays below.
TEST(AztecBadInput, SetOfAMessageEndingPast20000Bits) {
    AztecOptions o;
    o.symbols = 9;
    o.moduleSize = 1;
    EXPECT_TRUE(EncodeRaster(std::string(4998, '7'), o));
    EXPECT_FALSE(EncodeRaster(std::string(4999, '7'), o));
}

// 400 MiB is refused before it is copied; calloc's untouched pages cost no memory.
TEST(AztecBadInput, HugeMessageIsRefusedUnread) {
    constexpr int32_t kLength = int32_t{400} << 20;
    const std::unique_ptr<uint8_t, decltype(&std::free)> bytes(
        static_cast<uint8_t*>(std::calloc(kLength, 1)), &std::free);
    ASSERT_TRUE(bytes);
    AztecEncodeArgs args;
    args.message = bytes.get();
    args.length = kLength;
    EXPECT_FALSE(AztecRaster(args));
}

TEST(AztecBadInput, ArgumentRecordOutOfRange) {
    AztecEncodeArgs args;
    const uint8_t text[] = "HELLO";
    int32_t h = 0, w = 0;
    void* bits = nullptr;
    args.message = text;
    args.length = -1;
    EXPECT_EQ(AztecEncode(args, &h, &w, &bits), nullptr);
    EXPECT_EQ(h, 10);
    EXPECT_EQ(w, 10);
    args.length = INT32_MIN;
    EXPECT_EQ(AztecEncode(args, &h, &w, &bits), nullptr);
    args.message = nullptr;
    args.length = 5;
    EXPECT_EQ(AztecEncode(args, &h, &w, &bits), nullptr);
    args.message = text;
    args.moduleSize = 0;
    EXPECT_EQ(AztecEncode(args, &h, &w, &bits), nullptr);
    args.moduleSize = 1;
    for (int n : {0, -1, 27, 1000}) {
        args.symbols = n;
        EXPECT_EQ(AztecEncode(args, &h, &w, &bits), nullptr) << n;
    }
    args.symbols = 2;
    std::fill(std::begin(args.appendId), std::end(args.appendId), 'A');  // no terminator
    EXPECT_EQ(AztecEncode(args, &h, &w, &bits), nullptr);
}

// Readers end the ID at its first space, so such a set would read back as plain text.
TEST(AztecBadInput, AppendIdWithASpace) {
    const std::string message = "HELLO WORLD 12345";
    AztecOptions o;
    o.symbols = 2;
    for (const char* id : {"A B", " AB", "AB "}) {
        o.appendId = id;
        EXPECT_FALSE(EncodeRaster(message, o)) << id;
    }
    o.appendId = "AB";
    EXPECT_TRUE(EncodeRaster(message, o));
    o.symbols = 1;  // no header: the ID is not used
    o.appendId = "A B";
    EXPECT_TRUE(EncodeRaster(message, o));
}

// Zero data codewords cannot be stated in a mode message.
TEST(AztecBadInput, EmptyMessage) {
    EXPECT_FALSE(EncodeRaster(""));
    AztecOptions o;
    o.menu = true;
    EXPECT_FALSE(EncodeRaster("", o));
    o.sizeChoice = kAztecRune;
    EXPECT_TRUE(EncodeRaster("", o));  // a rune reads no data codewords
}

TEST(AztecBadInput, RandomInputSurvives) {
    std::mt19937 rng(20240601);
    int built = 0;
    for (int i = 0; i < 300; ++i) {
        const std::string m = RandomBytes(rng(), rng() % 400);
        AztecOptions o;
        o.escapes = rng() % 2;
        o.menu = rng() % 5 == 0;
        const int kinds[] = {0, static_cast<int>(rng() % 100), static_cast<int>(101 + rng() % 4),
                             static_cast<int>(201 + rng() % 32),
                             static_cast<int>(rng() % 400) - 50};
        o.sizeChoice = kinds[rng() % 5];
        o.symbols = rng() % 4 == 0 ? 1 + static_cast<int>(rng() % 9) : 1;
        if (rng() % 2) o.appendId = RandomBytes(rng(), rng() % 30);
        o.moduleSize = 1;
        OwnedRaster r = EncodeRaster(m, o);
        if (!r) continue;
        ++built;
        EXPECT_GE(r.width(), 11);
        EXPECT_GE(r.height(), 11);
        EXPECT_LE(r.height(), 151);
    }
    EXPECT_GT(built, 50);
}

// Arbitrary bytes without escape processing always round-trip when they fit.
TEST(AztecBadInput, RandomBytesReadBack) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        const std::string m = RandomBytes(seed, 1 + seed * 13 % 300);
        OwnedRaster r = EncodeRaster(m);
        ASSERT_TRUE(r) << seed;
        const Decoded d = DecodeRaster(r.bits(), r.width(), r.height(), Symbology::Aztec);
        ASSERT_TRUE(d.ok) << seed << ": " << d.error;
        EXPECT_EQ(d.bytes, m) << seed;
    }
}

}  // namespace
}  // namespace tsy::test
