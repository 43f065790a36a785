#include "document/archive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "archive_bytes.h"
#include "document/windows1252.h"

namespace tsy {
namespace {

using test::Bytes;
using test::Stored;

struct NumberCase {
    const char* name;
    std::function<void(CArchive&)> store;
    std::string bytes;
};

TEST(ArchiveNumbers, WrittenLittleEndian) {
    const NumberCase cases[] = {
        {"int32 1", [](CArchive& a) { a.WriteInt32(1); }, Bytes({1, 0, 0, 0})},
        {"int32 -1", [](CArchive& a) { a.WriteInt32(-1); }, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        {"int32 301", [](CArchive& a) { a.WriteInt32(301); }, Bytes({0x2D, 0x01, 0, 0})},
        {"int32 min", [](CArchive& a) { a.WriteInt32(INT32_MIN); }, Bytes({0, 0, 0, 0x80})},
        {"float 2.5", [](CArchive& a) { a.WriteFloat(2.5f); }, Bytes({0, 0, 0x20, 0x40})},
        {"float -1.1", [](CArchive& a) { a.WriteFloat(-1.1f); }, Bytes({0xCD, 0xCC, 0x8C, 0xBF})},
        {"byte", [](CArchive& a) { a.WriteByte(0xAB); }, Bytes({0xAB})},
        {"flag on", [](CArchive& a) { a.WriteFlag(true); }, Bytes({1})},
        {"flag off", [](CArchive& a) { a.WriteFlag(false); }, Bytes({0})},
    };
    for (const auto& c : cases) EXPECT_EQ(Stored(c.store), c.bytes) << c.name;
}

TEST(ArchiveNumbers, ReadBack) {
    const std::string bytes = Stored([](CArchive& a) {
        a << int32_t{-123456} << 20.0f << uint8_t{7};
        a.WriteFlag(true);
        a.WriteFloat(std::numeric_limits<float>::denorm_min());
    });
    CArchive ar = CArchive::ForLoading(bytes);
    EXPECT_EQ(ar.ReadInt32(), -123456);
    EXPECT_EQ(ar.ReadFloat(), 20.0f);
    EXPECT_EQ(ar.ReadByte(), 7);
    EXPECT_TRUE(ar.ReadFlag());
    EXPECT_EQ(ar.ReadFloat(), std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(ArchiveNumbers, AnyNonZeroFlagByteIsTrue) {
    const std::string bytes = Bytes({0, 1, 2, 0x80, 0xFF});
    CArchive ar = CArchive::ForLoading(bytes);
    EXPECT_FALSE(ar.ReadFlag());
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(ar.ReadFlag());
}

TEST(ArchiveText, TaggedUtf16Form) {
    EXPECT_EQ(Stored([](CArchive& a) { a.WriteText(u"AB"); }),
              Bytes({0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42, 0x00}));
    EXPECT_EQ(Stored([](CArchive& a) { a.WriteText(u""); }), Bytes({0xFF, 0xFE, 0xFF, 0x00}));
    EXPECT_EQ(Stored([](CArchive& a) { a.WriteText(u"\u20AC"); }),
              Bytes({0xFF, 0xFE, 0xFF, 0x01, 0xAC, 0x20}));
}

struct ReadTextCase {
    const char* name;
    std::string bytes;
    std::u16string text;
};

TEST(ArchiveText, ReadsTaggedAndSingleByteForms) {
    const ReadTextCase cases[] = {
        {"tagged AB", Bytes({0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42, 0x00}), u"AB"},
        {"single-byte AB", Bytes({0x02, 0x41, 0x42}), u"AB"},
        {"single-byte empty", Bytes({0x00}), u""},
        {"tagged empty", Bytes({0xFF, 0xFE, 0xFF, 0x00}), u""},
        {"1252 high bytes", Bytes({0x04, 0x80, 0x9F, 0xE9, 0x81}), u"\u20AC\u0178\u00E9\u0081"},
        {"single-byte 16-bit length", Bytes({0xFF, 0x03, 0x00, 0x61, 0x62, 0x63}), u"abc"},
        {"single-byte 32-bit length", Bytes({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 0x78, 0x79}),
         u"xy"},
        {"tagged 16-bit length", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 0x5A, 0x00}), u"Z"},
        {"surrogate pair kept", Bytes({0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE}),
         u"\U0001F600"},
    };
    for (const auto& c : cases) {
        CArchive ar = CArchive::ForLoading(c.bytes);
        EXPECT_EQ(ar.ReadText(), c.text) << c.name;
        EXPECT_EQ(ar.Remaining(), 0u) << c.name;
    }
}

// Lengths at the edges of the 1-, 3- and 7-byte prefixes.
TEST(ArchiveText, LengthPrefixes) {
    const struct {
        std::size_t n;
        std::string prefix;
    } cases[] = {
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        std::u16string text(c.n, u'x');
        text.back() = u'\u00FF';
        const std::string bytes = Stored([&](CArchive& a) { a.WriteText(text); });
        ASSERT_EQ(bytes.size(), 3 + c.prefix.size() + 2 * c.n) << c.n;
        EXPECT_EQ(bytes.substr(3, c.prefix.size()), c.prefix) << c.n;
        CArchive ar = CArchive::ForLoading(bytes);
        EXPECT_EQ(ar.ReadText(), text) << c.n;
        EXPECT_EQ(ar.Remaining(), 0u) << c.n;
    }
}

TEST(ArchiveText, LengthPastTheEndIsUnexpectedFormatWithoutAllocating) {
    const std::string cases[] = {
        Bytes({0x05, 0x41}),
        Bytes({0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42}),  // UTF-16 counts two bytes a unit
        Bytes({0xFF, 0xFD, 0xFF, 0x41}),
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x41, 0x00}),
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}),
    };
    for (const auto& bytes : cases) {
        CArchive ar = CArchive::ForLoading(bytes);
        try {
            ar.ReadText();
            ADD_FAILURE() << "no exception for a length past the end";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.cause(), CArchiveException::Cause::endOfFile);
            EXPECT_STREQ(e.what(), "Unexpected file format.");
        }
    }
}

// Every proper prefix of a stream of all primitives fails cleanly; the whole stream reads.
TEST(ArchiveTruncation, EveryByte) {
    const std::u16string longText(300, u'q');
    const std::string full = Stored([&](CArchive& a) {
        a << int32_t{42} << 1.5f << uint8_t{9};
        a.WriteFlag(true);
        a.WriteText(u"AB");
        a.WriteText(longText);
        a << int32_t{-7};
    });
    auto readAll = [&](CArchive& ar) {
        EXPECT_EQ(ar.ReadInt32(), 42);
        EXPECT_EQ(ar.ReadFloat(), 1.5f);
        EXPECT_EQ(ar.ReadByte(), 9);
        EXPECT_TRUE(ar.ReadFlag());
        EXPECT_EQ(ar.ReadText(), u"AB");
        EXPECT_EQ(ar.ReadText(), longText);
        EXPECT_EQ(ar.ReadInt32(), -7);
    };
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        CArchive ar = CArchive::ForLoading(std::string_view(full).substr(0, cut));
        EXPECT_THROW(readAll(ar), CArchiveException) << "cut at " << cut;
    }
    CArchive ar = CArchive::ForLoading(full);
    EXPECT_NO_THROW(readAll(ar));
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(Windows1252, DiffersFromLatin1OnlyInTheC1Range) {
    EXPECT_EQ(Windows1252ToUtf16(0x41), u'A');
    EXPECT_EQ(Windows1252ToUtf16(0x80), u'\u20AC');
    EXPECT_EQ(Windows1252ToUtf16(0x8A), u'\u0160');
    EXPECT_EQ(Windows1252ToUtf16(0x99), u'\u2122');
    EXPECT_EQ(Windows1252ToUtf16(0x9D), u'\u009D');
    EXPECT_EQ(Windows1252ToUtf16(0xA0), u'\u00A0');
    EXPECT_EQ(Windows1252ToUtf16(0xFF), u'\u00FF');
}

}  // namespace
}  // namespace tsy
