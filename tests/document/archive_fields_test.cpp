#include "document/archive_fields.h"

#include <gtest/gtest.h>

#include <cmath>

#include "archive_bytes.h"
#include "document/archive_picture.h"
#include "document/class_ids.h"

namespace tsy {
namespace {

using test::Bytes;
using test::Stored;

TEST(ArchiveFields, InRangeOrKeepsBoundsAndReplacesTheRest) {
    const struct {
        int32_t v, lo, hi, fallback, expected;
    } ints[] = {
        {0, 0, 3, 1, 0},
        {3, 0, 3, 1, 3},
        {4, 0, 3, 1, 1},
        {-1, 0, 3, 1, 1},
        {0, 1, 1000, 10, 10},
        {2000, 1, 1000, 10, 10},
        {INT32_MIN, -1, 999999, -1, -1},
    };
    for (const auto& c : ints) EXPECT_EQ(InRangeOr(c.v, c.lo, c.hi, c.fallback), c.expected) << c.v;
    EXPECT_EQ(InRangeOr(1.0f, 1.1f, 20.0f, 2.5f), 2.5f);
    EXPECT_EQ(InRangeOr(1.1f, 1.1f, 20.0f, 2.5f), 1.1f);
    EXPECT_EQ(InRangeOr(20.5f, 1.1f, 20.0f, 2.5f), 2.5f);
    EXPECT_EQ(InRangeOr(std::nanf(""), 1.1f, 20.0f, 2.5f), 2.5f);
    EXPECT_EQ(InRangeOr(INFINITY, 1.1f, 20.0f, 2.5f), 2.5f);
}

TEST(ArchiveFields, ReadersApplyTheRange) {
    const std::string bytes = Stored([](CArchive& a) {
        a << int32_t{9} << int32_t{2} << uint8_t{107} << uint8_t{106} << 0.5f;
        a.WriteText(std::u16string(25, u'a'));
        a.WriteText(std::u16string(24, u'b'));
        a << int32_t{5} << int32_t{0};
    });
    CArchive ar = CArchive::ForLoading(bytes);
    EXPECT_EQ(ReadInt32InRange(ar, 0, 3, 1), 1);
    EXPECT_EQ(ReadInt32InRange(ar, 0, 3, 1), 2);
    EXPECT_EQ(ReadByteInRange(ar, 0, 106, 0), 0);
    EXPECT_EQ(ReadByteInRange(ar, 0, 106, 0), 106);
    EXPECT_EQ(ReadFloatInRange(ar, 1.1f, 20.0f, 2.5f), 2.5f);
    EXPECT_EQ(ReadTextAtMost(ar, 24), u"");
    EXPECT_EQ(ReadTextAtMost(ar, 24), std::u16string(24, u'b'));
    EXPECT_TRUE(ReadInt32Flag(ar));
    EXPECT_FALSE(ReadInt32Flag(ar));
}

// The pattern of the base section's tail: defaults first, then whatever the data still holds.
TEST(ArchiveFields, GuardedBlockKeepsWhatWasReadBeforeTheDataEnded) {
    const std::string full = Stored([](CArchive& a) {
        a << int32_t{kDocumentVersion} << int32_t{1252} << int32_t{26};
        a.WriteText(u"01,Arial,h100,w400,i0,u0,s0,c0");
    });
    const struct {
        std::size_t cut;
        bool complete;
        int32_t version, codepage, eci;
        std::u16string font;
    } cases[] = {
        {0, false, 0, 0, -1, u""},
        {6, false, 301, 0, -1, u""},
        {12, false, 301, 1252, 26, u""},
        {20, false, 301, 1252, 26, u""},
        {full.size(), true, 301, 1252, 26, u"01,Arial,h100,w400,i0,u0,s0,c0"},
    };
    for (const auto& c : cases) {
        CArchive ar = CArchive::ForLoading(std::string_view(full).substr(0, c.cut));
        int32_t version = 0, codepage = 0, eci = -1;
        std::u16string font;
        const bool complete = ReadGuarded([&] {
            version = ar.ReadInt32();
            codepage = ar.ReadInt32();
            eci = ar.ReadInt32();
            font = ar.ReadText();
        });
        EXPECT_EQ(complete, c.complete) << c.cut;
        EXPECT_EQ(version, c.version) << c.cut;
        EXPECT_EQ(codepage, c.codepage) << c.cut;
        EXPECT_EQ(eci, c.eci) << c.cut;
        EXPECT_EQ(font, c.font) << c.cut;
    }
}

TEST(ArchiveFields, GuardedBlockPassesOtherFailuresOn) {
    EXPECT_THROW(ReadGuarded([] { throw CArchiveException(CArchiveException::Cause::badFormat); }),
                 CArchiveException);
}

Bitmap1 Checkerboard(int w, int h) {
    Bitmap1 b;
    b.width = w;
    b.height = h;
    b.bits.assign(static_cast<std::size_t>(b.stride()) * h, 0);
    for (std::size_t i = 0; i < b.bits.size(); ++i) b.bits[i] = static_cast<uint8_t>(i * 37 + 11);
    return b;
}

TEST(ArchivePicture, RoundTripAndRowPadding) {
    for (const auto& [w, h] : {std::pair{1, 1}, {16, 2}, {17, 3}, {33, 5}}) {
        const Bitmap1 picture = Checkerboard(w, h);
        const std::string bytes = Stored([&](CArchive& a) {
            WritePicture(a, &picture);
            a << int32_t{kDocumentVersion};
        });
        EXPECT_EQ(bytes.size(), 8 + static_cast<std::size_t>(h) * 2 * ((w + 15) / 16) + 4);
        CArchive ar = CArchive::ForLoading(bytes);
        const auto back = ReadPicture(ar);
        ASSERT_TRUE(back) << w;
        EXPECT_EQ(back->width, w);
        EXPECT_EQ(back->height, h);
        EXPECT_EQ(back->bits, picture.bits);
        EXPECT_EQ(ar.ReadInt32(), kDocumentVersion);
    }
}

TEST(ArchivePicture, NoPictureIsOneByOneWithTwoZeroBytes) {
    const std::string expected = Bytes({1, 0, 0, 0, 1, 0, 0, 0, 0, 0});
    EXPECT_EQ(Stored([](CArchive& a) { WritePicture(a, nullptr); }), expected);
    const Bitmap1 empty;
    EXPECT_EQ(Stored([&](CArchive& a) { WritePicture(a, &empty); }), expected);
    CArchive ar = CArchive::ForLoading(expected);
    const auto back = ReadPicture(ar);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 1);
    EXPECT_EQ(back->bits, std::vector<uint8_t>({0, 0}));
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(ArchivePicture, SidesNoBitmapCanHoldStopAfterHeight) {
    for (const auto& side : {std::pair{0, 1}, {1, 0}, {-5, 3}, {32768, 1}, {1, 32768}}) {
        const int32_t w = side.first, h = side.second;  // clang 14 cannot capture bindings
        const std::string bytes = Stored([&](CArchive& a) { a << w << h; }) + std::string(64, '\0');
        CArchive ar = CArchive::ForLoading(bytes);
        EXPECT_FALSE(ReadPicture(ar)) << w << "x" << h;
        EXPECT_EQ(ar.Position(), 8u);
    }
}

TEST(ArchivePicture, BitsPastTheEndThrowBeforeAllocating) {
    const std::string bytes = Stored([](CArchive& a) { a << int32_t{32767} << int32_t{32767}; }) +
                              std::string(1000, '\xFF');
    CArchive ar = CArchive::ForLoading(bytes);
    EXPECT_THROW(ReadPicture(ar), CArchiveException);
}

TEST(ClassIds, TextFormAndDistinctValues) {
    EXPECT_EQ(kAztecClassId.ToString(), "18E7F46C-2BBA-4ED6-AE2F-4E2501E21A35");
    EXPECT_EQ(kAztecClassId.bytes[0], 0x6C);  // first field little-endian in the file
    const ClassId all[] = {kAztecClassId,   kZiggurClassId, kPDF417ClassId,       kQRClassId,
                           kCode128ClassId, kCode39ClassId, kAztecAnimatedClassId};
    for (std::size_t i = 0; i < std::size(all); ++i) {
        EXPECT_FALSE(all[i].isNull());
        for (std::size_t j = i + 1; j < std::size(all); ++j) EXPECT_NE(all[i], all[j]);
    }
}

}  // namespace
}  // namespace tsy
