// PNG, TIFF and GIF at the smallest exact depth, the other formats at theirs: every lossless
// format reads back the very pixels it was given, captions included.
#include <gtest/gtest.h>

#include "export/image_formats.h"
#include "imaging/captioned_bitmap.h"
#include "platform/bitmap_ops.h"
#include "support/require.h"
#include "support/test_files.h"
#include "test_picture.h"

namespace tsy {
namespace {

using test::Quote;
using test::RunTool;
using test::TempDir;

const char kConvert[] = "/usr/bin/convert";
const char kIdentify[] = "/usr/bin/identify";

RgbImage Captioned(std::u16string_view caption) {
    const RgbImage pattern = test::TestPicture(45, 45, false);
    Bitmap1 symbol = RgbToBitmap1(pattern);
    CCaptionedBitmap picture;
    EXPECT_TRUE(picture.Compose(symbol, caption, kCaptionBelow, nullptr, 2, 1));
    return picture.Detach();
}

RgbImage Filled(int width, int height, uint32_t (*colour)(int x, int y)) {
    RgbImage image = MakeRgbImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            image.setPixel(x, y, static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8),
                           static_cast<uint8_t>(c));
        }
    return image;
}

struct Picture {
    const char* name;
    RgbImage image;
    int pngBits;       // IHDR bit depth
    int pngType;       // IHDR colour type: 3 palette, 2 RGB
    const char* tiff;  // identify's "%z %[tiff:photometric]"
};

std::vector<Picture> Pictures() {
    return {
        {"symbol", Captioned(u""), 1, 3, "1 min-is-black"},
        {"captioned", Captioned(u"Tessaly 0123 Wg"), 1, 3, "1 min-is-black"},
        {"white", MakeRgbImage(9, 5, 255), 1, 3, "1 palette"},
        {"two colours",
         Filled(19, 7, [](int x, int) -> uint32_t { return x % 3 ? 0xC01020 : 0x2040F0; }), 1, 3,
         "1 palette"},
        {"few colours", test::TestPicture(37, 41, true), 8, 3, "8 palette"},
        {"many colours",
         Filled(64, 32,
                [](int x, int y) -> uint32_t {
                    return uint32_t(x * 4) << 16 | uint32_t(y * 8) << 8 | uint32_t(x ^ y);
                }),
         8, 2, "8 RGB"},
    };
}

std::string Bytes(const RgbImage& image) {
    return std::string(image.pixels.begin(), image.pixels.end());
}

TEST(ExactDepth, LosslessFormatsReadBackTheSamePixels) {
    TSY_REQUIRE_TOOL(test::ToolAvailable(kConvert), "ImageMagick");
    TempDir dir;
    for (const Picture& p : Pictures()) {
        for (const char* ext : {".png", ".tif", ".gif", ".bmp", ".tga", ".pcx"}) {
            // GIF reduces more than 256 colours by design.
            if (std::string_view(ext) == ".gif" && p.pngType == 2) continue;
            const auto file = dir / ("pic" + std::string(ext));
            std::string error;
            ASSERT_TRUE(WriteImageFile(*FindImageFormat(ext), p.image, file, &error)) << error;
            bool ok = false;
            const std::string rgb = RunTool(
                std::string(kConvert) + " " + Quote(file) + " -auto-orient -depth 8 RGB:-", &ok);
            ASSERT_TRUE(ok) << p.name << ext;
            EXPECT_EQ(rgb, Bytes(p.image)) << p.name << ext;
        }
    }
}

TEST(ExactDepth, PngAndTiffTakeTheFewestBitsThatHoldThePicture) {
    TSY_REQUIRE_TOOL(test::ToolAvailable(kIdentify), "ImageMagick");
    TempDir dir;
    for (const Picture& p : Pictures()) {
        std::string png, error;
        ASSERT_TRUE(EncodeImage(*FindImageFormat(".png"), p.image, &png, &error)) << error;
        EXPECT_EQ(png[24], p.pngBits) << p.name;
        EXPECT_EQ(png[25], p.pngType) << p.name;
        const auto file = dir / "pic.tif";
        ASSERT_TRUE(WriteImageFile(*FindImageFormat(".tif"), p.image, file, &error)) << error;
        bool ok = false;
        EXPECT_EQ(
            RunTool(std::string(kIdentify) + " -format '%z %[tiff:photometric]' " + Quote(file),
                    &ok),
            p.tiff)
            << p.name;
    }
}

// Composed from a one-bit symbol, a picture stays one-bit; the RGB route is what every picture
// took before, so both must draw the same pixels and give the same files.
TEST(ExactDepth, OneBitPicturesGiveTheFilesOfTheirRgbForm) {
    const RgbImage pattern = test::TestPicture(45, 45, false);
    for (const char16_t* caption : {u"", u"Tessaly 0123 Wg", u"i"}) {
        for (int32_t position : {kCaptionAbove, kCaptionBelow, kCaptionLeft, kCaptionRight}) {
            Bitmap1 symbol = RgbToBitmap1(pattern);
            RgbImage symbolRgb = pattern;
            CCaptionedBitmap mono, rgb;
            ASSERT_TRUE(mono.Compose(symbol, caption, position, nullptr, 2, 1));
            ASSERT_TRUE(rgb.Compose(symbolRgb, caption, position, nullptr, 2, 1));
            ASSERT_NE(mono.MonoPicture(), nullptr);
            EXPECT_EQ(rgb.MonoPicture(), nullptr);
            EXPECT_EQ(Bytes(mono.Picture()), Bytes(rgb.Picture()));
            for (const ImageFormat& format : ImageFormats()) {
                if (!format.encodeMono) continue;
                StringSink fromMono;
                std::string fromRgb, error;
                ASSERT_TRUE(format.encodeMono(*mono.MonoPicture(), fromMono, &error)) << error;
                ASSERT_TRUE(EncodeImage(format, rgb.Picture(), &fromRgb, &error)) << error;
                EXPECT_EQ(fromMono.bytes, fromRgb) << format.name;
            }
        }
    }
    // One colour only, and padding bits that must not show.
    for (bool white : {true, false}) {
        Bitmap1 plain = MakeFilledBitmap1(13, 3, white);
        for (std::size_t i = 1; i < plain.bits.size(); i += 2) plain.bits[i] ^= 0x07;
        const RgbImage plainRgb = Bitmap1ToRgb(plain);
        for (const ImageFormat& format : ImageFormats()) {
            if (!format.encodeMono) continue;
            StringSink fromMono;
            std::string fromRgb, error;
            ASSERT_TRUE(format.encodeMono(plain, fromMono, &error)) << error;
            ASSERT_TRUE(EncodeImage(format, plainRgb, &fromRgb, &error)) << error;
            EXPECT_EQ(fromMono.bytes, fromRgb) << format.name << " white " << white;
        }
    }
}

// Other programs read these at the depth they always had.
TEST(ExactDepth, BmpTgaAndPcxKeepTwentyFourBits) {
    const RgbImage picture = Captioned(u"Tessaly");
    std::string bytes, error;
    ASSERT_TRUE(EncodeImage(*FindImageFormat(".bmp"), picture, &bytes, &error)) << error;
    EXPECT_EQ(bytes[28], 24);
    ASSERT_TRUE(EncodeImage(*FindImageFormat(".tga"), picture, &bytes, &error)) << error;
    EXPECT_EQ(bytes[16], 24);
    ASSERT_TRUE(EncodeImage(*FindImageFormat(".pcx"), picture, &bytes, &error)) << error;
    EXPECT_EQ(bytes[3], 8);
    EXPECT_EQ(bytes[65], 3);
}

}  // namespace
}  // namespace tsy
