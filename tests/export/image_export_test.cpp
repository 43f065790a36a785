#include <gtest/gtest.h>

#include <random>

#include "export/image_formats.h"
#include "support/require.h"
#include "support/test_files.h"
#include "test_picture.h"

namespace tsy {
namespace {

using test::Quote;
using test::RunTool;
using test::TempDir;
using test::TestPicture;

const char kIdentify[] = "/usr/bin/identify";
const char kConvert[] = "/usr/bin/convert";

TEST(ImageFormatRegistry, FindsEveryExtensionOfTheTable) {
    const struct {
        const char* ext;
        const char* format;  // nullptr: none
    } cases[] = {
        {".bmp", "BMP"},  {".gif", "GIF"},   {".jpg", "JPEG"}, {".jpeg", "JPEG"}, {".png", "PNG"},
        {".tif", "TIFF"}, {".tiff", "TIFF"}, {".tga", "TGA"},  {".pcx", "PCX"},   {".PNG", nullptr},
        {"png", nullptr}, {".jpe", nullptr}, {"", nullptr},    {".", nullptr},
    };
    for (const auto& c : cases) {
        const ImageFormat* f = FindImageFormat(c.ext);
        if (!c.format) {
            EXPECT_EQ(f, nullptr) << c.ext;
        } else {
            ASSERT_NE(f, nullptr) << c.ext;
            EXPECT_EQ(f->name, c.format) << c.ext;
        }
    }
    EXPECT_EQ(ImageFormats().size(), 7u);
}

TEST(ImageFormatRegistry, ExtensionIsTheLastComponentsTailInLowerCase) {
    const struct {
        const char* path;
        const char* ext;
    } cases[] = {
        {"x.PNG", ".png"},
        {"dir.d/a.b.JpEg", ".jpeg"},
        {"a.png/noext", ""},
        {"noext", ""},
        {".hidden", ".hidden"},
        {"trailing.", "."},
        {"/tmp/a.wmf.d/x.Tif", ".tif"},
    };
    for (const auto& c : cases) EXPECT_EQ(LowerExtension(c.path), c.ext) << c.path;
}

TEST(ImageFormatRegistry, FilterListAndPreselection) {
    const auto filters = ExportBitmapFilters();
    ASSERT_EQ(filters.size(), 9u);
    EXPECT_EQ(filters[2].description, "JPG files");
    EXPECT_EQ(filters[2].pattern, "*.jpg;*.jpeg");
    EXPECT_EQ(filters[6].pattern, "*.bmp;*.png;*.gif;*.jpg;*.jpeg;*.tif;*.tiff");
    EXPECT_EQ(filters[8].description, "All Files");
    const struct {
        const char* ext;
        std::size_t index;
    } cases[] = {{"bmp", 0}, {"jpeg", 2}, {"JPG", 2}, {"tiff", 3}, {"gif", 4},
                 {"wmf", 5}, {"cpp", 7},  {"tga", 8}, {"pcx", 8}};
    for (const auto& c : cases) EXPECT_EQ(PreselectedExportFilter(c.ext), c.index) << c.ext;
}

// Reads an image back with ImageMagick as 8-bit RGB (or grey) samples, top row first:
// ImageMagick keeps a TGA's stored row order and only notes its orientation.
std::string ReadBack(const std::filesystem::path& file, const char* samples, bool* ok) {
    return RunTool(
        std::string(kConvert) + " " + Quote(file) + " -auto-orient -depth 8 " + samples + ":-", ok);
}

class ImageRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(ImageRoundTrip, ImageMagickReadsTheSamePixels) {
    TSY_REQUIRE_TOOL(test::ToolAvailable(kConvert), "ImageMagick");
    const std::string ext = GetParam();
    const ImageFormat* format = FindImageFormat(ext);
    ASSERT_NE(format, nullptr);
    TempDir dir;
    // Odd width: row padding in BMP and PCX; 41 rows: stripe colours stay below 256.
    const RgbImage picture = TestPicture(37, 41, true);
    const auto file = dir / ("pic" + ext);
    std::string error;
    ASSERT_TRUE(WriteImageFile(*format, picture, file, &error)) << error;

    bool ok = false;
    const std::string info =
        RunTool(std::string(kIdentify) + " -format '%w %h %m' " + Quote(file), &ok);
    ASSERT_TRUE(ok);
    // ImageMagick names a BMP with a BITMAPINFOHEADER "BMP3".
    const std::string magick = format->name == "BMP" ? "BMP3" : std::string(format->name);
    EXPECT_EQ(info, "37 41 " + magick);

    const std::string rgb = ReadBack(file, "RGB", &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(rgb.size(), picture.pixels.size());
    EXPECT_EQ(rgb, std::string(picture.pixels.begin(), picture.pixels.end()));
}

INSTANTIATE_TEST_SUITE_P(Lossless, ImageRoundTrip,
                         ::testing::Values(".bmp", ".png", ".tif", ".gif", ".tga", ".pcx"),
                         [](const auto& info) { return std::string(info.param + 1); });

TEST(JpegExport, HoldsOnlyGreyLevelsOfThePicture) {
    TSY_REQUIRE_TOOL(test::ToolAvailable(kConvert), "ImageMagick");
    TempDir dir;
    // 6-pixel modules so the lossy coding keeps each module's centre clearly dark or light.
    RgbImage picture = TestPicture(66, 48, false);
    RgbImage big;
    big.width = picture.width;
    big.height = picture.height;
    big.pixels.resize(picture.pixels.size());
    for (int y = 0; y < big.height; ++y)
        for (int x = 0; x < big.width; ++x)
            for (int c = 0; c < 3; ++c) big.row(y)[3 * x + c] = picture.row(y / 2)[3 * (x / 2) + c];
    const auto file = dir / "pic.jpg";
    std::string error;
    ASSERT_TRUE(WriteImageFile(*FindImageFormat(".jpeg"), big, file, &error)) << error;

    bool ok = false;
    EXPECT_EQ(RunTool(std::string(kIdentify) + " -format '%w %h %m %[colorspace] %[channels]' " +
                          Quote(file),
                      &ok),
              "66 48 JPEG Gray gray");
    const std::string grey = ReadBack(file, "GRAY", &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(grey.size(), 66u * 48u);
    for (int y = 2; y < big.height; y += 6) {
        for (int x = 2; x < big.width; x += 6) {
            const auto g = static_cast<uint8_t>(grey[static_cast<std::size_t>(y * 66 + x)]);
            if (big.isBlack(x, y)) {
                EXPECT_LT(g, 64) << x << "," << y;
            } else {
                EXPECT_GT(g, 192) << x << "," << y;
            }
        }
    }
}

TEST(GifExport, ReducesAPictureOfManyColours) {
    TSY_REQUIRE_TOOL(test::ToolAvailable(kIdentify), "ImageMagick");
    RgbImage picture;
    picture.width = 64;
    picture.height = 32;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            picture.pixels.insert(picture.pixels.end(),
                                  {static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 8),
                                   static_cast<uint8_t>(x ^ y)});
    TempDir dir;
    const auto file = dir / "many.gif";
    std::string error;
    ASSERT_TRUE(WriteImageFile(*FindImageFormat(".gif"), picture, file, &error)) << error;
    bool ok = false;
    EXPECT_EQ(RunTool(std::string(kIdentify) + " -format '%w %h %m' " + Quote(file), &ok),
              "64 32 GIF");
}

// A sink that refuses every byte after a budget.
class FailingSink final : public ByteSink {
public:
    explicit FailingSink(std::size_t budget) : budget_(budget) {}
    bool Write(const void*, std::size_t size) override {
        if (size > budget_) return false;
        budget_ -= size;
        return true;
    }

private:
    std::size_t budget_;
};

TEST(ImageEncoders, StopWhenTheSinkFails) {
    // Noise, so that no format compresses it below the budgets.
    RgbImage picture = TestPicture(300, 200, true);
    std::mt19937 rng(7);
    for (auto& b : picture.pixels) b = static_cast<uint8_t>(rng());
    for (const ImageFormat& format : ImageFormats()) {
        for (std::size_t budget : {std::size_t{0}, std::size_t{10}, std::size_t{5000}}) {
            FailingSink sink(budget);
            std::string error;
            EXPECT_FALSE(format.encode(picture, sink, &error)) << format.name << " " << budget;
        }
    }
}

TEST(ImageEncoders, RefuseUnusablePictures) {
    RgbImage empty;
    RgbImage shortPixels = TestPicture(10, 10, false);
    shortPixels.pixels.resize(shortPixels.pixels.size() - 1);
    RgbImage tooWide;
    tooWide.width = 40000;
    tooWide.height = 1;
    tooWide.pixels.assign(tooWide.rowBytes(), 0);
    RgbImage negative;
    negative.width = -5;
    negative.height = 3;
    for (const ImageFormat& format : ImageFormats()) {
        for (const RgbImage* p : {&empty, &shortPixels, &tooWide, &negative}) {
            std::string bytes, error;
            EXPECT_FALSE(EncodeImage(format, *p, &bytes, &error)) << format.name;
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST(ImageEncoders, EncodeRandomPictures) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 12; ++round) {
        RgbImage picture;
        picture.width = 1 + static_cast<int>(rng() % 70);
        picture.height = 1 + static_cast<int>(rng() % 30);
        picture.pixels.resize(picture.rowBytes() * static_cast<std::size_t>(picture.height));
        for (auto& b : picture.pixels) b = static_cast<uint8_t>(rng());
        for (const ImageFormat& format : ImageFormats()) {
            std::string bytes, error;
            EXPECT_TRUE(EncodeImage(format, picture, &bytes, &error))
                << format.name << " " << picture.width << "x" << picture.height << " " << error;
            EXPECT_FALSE(bytes.empty());
        }
    }
}

}  // namespace
}  // namespace tsy
