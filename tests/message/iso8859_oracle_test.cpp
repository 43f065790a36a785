#include <gtest/gtest.h>
#include <iconv.h>

#include <set>
#include <string>

#include "message/codepage_translator.h"

namespace tsy {
namespace {

constexpr char16_t kUndefined = 0xFFFF;

// glibc's own mapping of one byte, kUndefined when it has none.
char16_t IconvByte(int part, unsigned char byte) {
    const std::string name = "ISO-8859-" + std::to_string(part);
    iconv_t cd = iconv_open("UTF-16LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return kUndefined;
    char in[1] = {static_cast<char>(byte)};
    char out[8];
    char* ip = in;
    char* op = out;
    std::size_t il = 1, ol = sizeof out;
    const bool ok = iconv(cd, &ip, &il, &op, &ol) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok || sizeof out - ol != 2) return kUndefined;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 static_cast<unsigned char>(out[1]) << 8);
}

std::uint32_t CodepageOfPart(int part) {
    return part <= 9 ? 28590u + static_cast<std::uint32_t>(part)
                     : 285900u + static_cast<std::uint32_t>(part);
}

// The program's own assignments, apart from the C1 range handled below.
char16_t Deviation(int part, int b) {
    if (part == 6 && b >= 0x30 && b <= 0x39) return static_cast<char16_t>(0x0660 + b - 0x30);
    if (part == 7) {
        if (b == 0xA1) return 0x02BD;
        if (b == 0xA2) return 0x02BC;
        if (b == 0xA4 || b == 0xA5 || b == 0xAA) return kUndefined;
    }
    if (part == 8) {
        if (b == 0xAF) return 0x203E;
        if (b == 0xFD || b == 0xFE) return kUndefined;
    }
    if (part == 11 && b == 0xA0) return kUndefined;
    return 0;  // none
}

class Iso8859Oracle : public ::testing::TestWithParam<int> {};

TEST_P(Iso8859Oracle, MatchesIconvOutsideDeviations) {
    const int part = GetParam();
    const std::uint32_t cp = CodepageOfPart(part);
    std::string all(256, '\0');
    for (int b = 0; b < 256; ++b) all[static_cast<std::size_t>(b)] = static_cast<char>(b);
    const std::u16string table = ToText(all, cp).text;
    ASSERT_EQ(table.size(), 256u);
    const bool c1Defined = part == 10 || part == 13 || part == 16;
    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        const char16_t ours = table[static_cast<std::size_t>(b)];
        if (b >= 0x80 && b <= 0x9F) {
            EXPECT_EQ(ours, c1Defined ? b : kUndefined) << part << " byte " << b;
        } else if (char16_t dev = Deviation(part, b)) {
            EXPECT_EQ(ours, dev) << part << " byte " << b;
        } else {
            EXPECT_EQ(ours, IconvByte(part, static_cast<unsigned char>(b)))
                << part << " byte " << b;
            ++compared;
        }
    }
    EXPECT_GT(compared, 200);
}

TEST_P(Iso8859Oracle, EveryDefinedByteTranslatesBackExactly) {
    const std::uint32_t cp = CodepageOfPart(GetParam());
    std::string all(256, '\0');
    for (int b = 0; b < 256; ++b) all[static_cast<std::size_t>(b)] = static_cast<char>(b);
    const std::u16string table = ToText(all, cp).text;
    for (int b = 0; b < 256; ++b) {
        const char16_t c = table[static_cast<std::size_t>(b)];
        const ByteTranslation r = ToBytes(std::u16string(1, c), cp);
        ASSERT_EQ(r.bytes.size(), 1u);
        if (c == kUndefined) {
            EXPECT_EQ(r.bytes[0], '?');
        } else {
            EXPECT_EQ(static_cast<unsigned char>(r.bytes[0]), b) << "byte " << b;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, Iso8859Oracle,
                         ::testing::Values(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16));

}  // namespace
}  // namespace tsy
