#include <gtest/gtest.h>

#include <cstring>

#include "export/export_source.h"
#include "support/test_files.h"
#include "test_picture.h"

namespace tsy {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const std::string kPngMagic = "\x89PNG";
const std::string kWmfKey = "\xD7\xCD\xC6\x9A";

std::size_t EntryCount(const std::filesystem::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

class ExportToFileTest : public ::testing::Test {
protected:
    ExportToFileTest() : picture_(test::TestPicture(30, 21, false)) {
        source_.picture = &picture_;
        source_.messageBytes = "ABC";
        source_.caption = u"ABC";
    }
    RgbImage picture_;
    ExportSource source_;
    TempDir dir_;
};

TEST_F(ExportToFileTest, ChoosesTheWriterByName) {
    std::filesystem::create_directories(dir_ / "a.wmf.d");
    std::filesystem::create_directories(dir_ / "src.cpp.d");
    const struct {
        const char* name;
        std::string prefix;  // start of the written file
    } cases[] = {
        {"upper.PNG", kPngMagic},
        {"plain.png", kPngMagic},
        {"pic.bmp", "BM"},
        {"pic.GIF", "GIF8"},
        {"pic.JPEG", "\xFF\xD8\xFF"},
        {"pic.tiff", "II*"},
        {"pic.pcx", "\x0A\x05\x01\x08"},
        {"pic.wmf", kWmfKey},
        {"PIC.WMF", kWmfKey},
        // A directory whose name holds ".wmf" makes every file in it a metafile.
        {"a.wmf.d/x.png", kWmfKey},
        {"a.cpp.wmf", kWmfKey},
        {"pic.cpp", "\n/*---"},
        {"pic.CPP", "\n/*---"},
        {"src.cpp.d/sym.png", "\n/*---"},
    };
    for (const auto& c : cases) {
        std::string message;
        ASSERT_TRUE(ExportToFile(source_, dir_ / c.name, &message)) << c.name << ": " << message;
        EXPECT_EQ(ReadFile(dir_ / c.name).substr(0, c.prefix.size()), c.prefix) << c.name;
    }
    EXPECT_TRUE(std::filesystem::exists(dir_ / "src.cpp.d/sym.h"));
    EXPECT_TRUE(std::filesystem::exists(dir_ / "pic.h"));
}

TEST_F(ExportToFileTest, UnknownExtensionCreatesNothing) {
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"pic.xyz", "Unknown export format: .xyz"},
        {"pic.Xyz", "Unknown export format: .xyz"},
        {"noextension", "Unknown export format: "},
        {"pic.png.txt", "Unknown export format: .txt"},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_FALSE(ExportToFile(source_, dir_ / c.name, &message)) << c.name;
        EXPECT_EQ(message, c.message);
        EXPECT_FALSE(std::filesystem::exists(dir_ / c.name));
    }
    // An existing file of that name keeps its contents.
    WriteFile(dir_ / "keep.xyz", "old");
    EXPECT_FALSE(ExportToFile(source_, dir_ / "keep.xyz", nullptr));
    EXPECT_EQ(ReadFile(dir_ / "keep.xyz"), "old");
    EXPECT_EQ(EntryCount(dir_.path()), 1u);
}

TEST_F(ExportToFileTest, NoPictureOrNoPathWritesNothing) {
    RgbImage empty;
    for (const RgbImage* picture :
         {static_cast<const RgbImage*>(nullptr), static_cast<const RgbImage*>(&empty)}) {
        ExportSource source = source_;
        source.picture = picture;
        for (const char* name : {"a.png", "a.wmf", "a.cpp"}) {
            std::string message;
            EXPECT_FALSE(ExportToFile(source, dir_ / name, &message)) << name;
            EXPECT_EQ(message, "Nothing to Export");
        }
    }
    EXPECT_FALSE(ExportToFile(source_, "", nullptr));
    EXPECT_EQ(EntryCount(dir_.path()), 0u);
}

TEST_F(ExportToFileTest, FailedWritesReportTheReasonAndKeepOldFiles) {
    for (const char* name : {"missing/a.png", "missing/a.wmf", "missing/a.cpp"}) {
        std::string message;
        EXPECT_FALSE(ExportToFile(source_, dir_ / name, &message)) << name;
        EXPECT_NE(message.find(std::strerror(ENOENT)), std::string::npos) << message;
    }
    // A directory in the way of the target: the rename fails, nothing is left behind.
    for (const char* name : {"busy.png", "busy.wmf", "busy.cpp"}) {
        std::filesystem::create_directory(dir_ / name);
        std::string message;
        EXPECT_FALSE(ExportToFile(source_, dir_ / name, &message)) << name;
        EXPECT_FALSE(message.empty());
        EXPECT_TRUE(std::filesystem::is_directory(dir_ / name));
    }
    EXPECT_EQ(EntryCount(dir_.path()), 3u);

    // A picture that cannot be encoded leaves the existing file as it was.
    RgbImage broken = picture_;
    broken.pixels.resize(10);
    ExportSource source = source_;
    source.picture = &broken;
    for (const char* name : {"old.png", "old.wmf", "old.cpp", "old.tga"}) {
        WriteFile(dir_ / name, "old");
        std::string message;
        EXPECT_FALSE(ExportToFile(source, dir_ / name, &message)) << name;
        EXPECT_EQ(ReadFile(dir_ / name), "old") << name;
    }
    EXPECT_EQ(EntryCount(dir_.path()), 7u);
}

TEST_F(ExportToFileTest, MetafileIsDrawnAtOneOverTheHorizontalScale) {
    source_.horizontalScale = 2;
    source_.dpiX = 120;
    ASSERT_TRUE(ExportToFile(source_, dir_ / "half.wmf", nullptr));
    const std::string bytes = ReadFile(dir_ / "half.wmf");
    ASSERT_GE(bytes.size(), 22u);
    auto word = [&](int i) {
        return static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1]) << 8;
    };
    EXPECT_EQ(word(5), 15);  // 30 / 2
    EXPECT_EQ(word(6), 21);
    EXPECT_EQ(word(7), 120);
}

}  // namespace
}  // namespace tsy
