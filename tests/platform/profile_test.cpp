#include "platform/profile.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace tsy {
namespace {

namespace fs = std::filesystem;

// Each test gets its own XDG_CONFIG_HOME, so no test sees the user's settings.
class ProfileTest : public testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadOld_ = old != nullptr;
        if (hadOld_) old_ = old;
        folder_ = std::make_unique<test::TempDir>();
        dir_ = folder_->path();
        setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (hadOld_) {
            setenv("XDG_CONFIG_HOME", old_.c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        folder_.reset();
    }
    void WriteRaw(const std::string& bytes) {
        fs::create_directories(ProfilePath().parent_path());
        std::ofstream(ProfilePath(), std::ios::binary) << bytes;
    }
    std::string ReadRaw() {
        std::ifstream in(ProfilePath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::unique_ptr<test::TempDir> folder_;
    fs::path dir_;

private:
    bool hadOld_ = false;
    std::string old_;
};

TEST_F(ProfileTest, PathFollowsXdgConfigHome) {
    EXPECT_EQ(ProfilePath(), dir_ / "Corvanta" / "Tessaly.conf");
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);  // not absolute: ignored
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(ProfilePath(), fs::path(home) / ".config" / "Corvanta" / "Tessaly.conf");
    // Joined as path's operator/ joins, separators at the end of the base included.
    const std::string savedHome = home;
    for (const char* base : {"/a/b", "/a/b/", "/"}) {
        setenv("XDG_CONFIG_HOME", base, 1);
        EXPECT_EQ(ProfilePath(), fs::path(base) / "Corvanta" / "Tessaly.conf") << base;
        unsetenv("XDG_CONFIG_HOME");
        setenv("HOME", base, 1);
        EXPECT_EQ(ProfilePath(), fs::path(base) / ".config" / "Corvanta" / "Tessaly.conf") << base;
    }
    setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(ProfileTest, MissingFileGivesDefaults) {
    EXPECT_EQ(GetProfileString(u"InitialView", u"DefaultExt", u"bmp"), u"bmp");
    EXPECT_EQ(GetProfileInt(u"InitialView", u"CapPosition", 1), 1);
    EXPECT_FALSE(fs::exists(ProfilePath()));  // reading never creates the file
}

TEST_F(ProfileTest, ValuesRoundTrip) {
    struct Case {
        std::u16string entry;
        std::u16string value;
    };
    const Case strings[] = {
        {u"Font", u"01,Courier New,h120,w700,i1,u0,s0,c0"},
        {u"DefaultExt", u"png"},
        {u"Empty", u""},
        {u"Spaces", u"  leading and trailing  "},
        {u"Escapes", u"a\\b\nc\td=e;f#g[h]"},
        {u"Unicode", u"Caf\u00E9 \u4E2D\U0001F600"},
    };
    for (const Case& c : strings) ASSERT_TRUE(WriteProfileString(u"InitialView", c.entry, c.value));
    ASSERT_TRUE(WriteProfileInt(u"InitialView", u"CapPosition", 3));
    ASSERT_TRUE(WriteProfileInt(u"AztecAnimated", u"Loops", -7));
    ASSERT_TRUE(WriteProfileString(u"Recent File List", u"File1", u"/tmp/a b.azt"));
    for (const Case& c : strings) {
        EXPECT_EQ(GetProfileString(u"InitialView", c.entry, u"?"), c.value)
            << std::string(c.entry.begin(), c.entry.end());
    }
    EXPECT_EQ(GetProfileInt(u"InitialView", u"CapPosition", 1), 3);
    EXPECT_EQ(GetProfileInt(u"AztecAnimated", u"Loops", 0), -7);
    EXPECT_EQ(GetProfileString(u"Recent File List", u"File1"), u"/tmp/a b.azt");
    EXPECT_EQ(GetProfileInt(u"AztecAnimated", u"Symbols", 1), 1);
    // Overwriting keeps the other values.
    ASSERT_TRUE(WriteProfileInt(u"InitialView", u"CapPosition", 0));
    EXPECT_EQ(GetProfileInt(u"InitialView", u"CapPosition", 1), 0);
    EXPECT_EQ(GetProfileString(u"InitialView", u"DefaultExt"), u"png");
    EXPECT_NE(ReadRaw().find("[InitialView]"), std::string::npos);
    // Several values from one look at the file.
    const ProfileSection section(u"InitialView");
    EXPECT_EQ(section.GetInt(u"CapPosition", 1), 0);
    EXPECT_EQ(section.GetString(u"DefaultExt"), u"png");
    EXPECT_EQ(section.GetString(u"Missing", u"d"), u"d");
}

TEST_F(ProfileTest, CorruptFileGivesDefaultsAndIsReplacedOnWrite) {
    const std::string corrupt[] = {
        "no group here\nCapPosition=3\n",
        std::string("[InitialView]\nCapPosition=3\n\xFF\xFE garbage\n"),
        "[InitialView\nViewStyle=2\n",
    };
    for (const std::string& bytes : corrupt) {
        WriteRaw(bytes);
        EXPECT_EQ(GetProfileInt(u"InitialView", u"CapPosition", 1), 1);
        EXPECT_EQ(GetProfileString(u"InitialView", u"DefaultExt", u"bmp"), u"bmp");
        ASSERT_TRUE(WriteProfileInt(u"InitialView", u"ViewStyle", 2));
        EXPECT_EQ(GetProfileInt(u"InitialView", u"ViewStyle", 0), 2);
    }
}

TEST_F(ProfileTest, IntegersMustBeWholeNumbers) {
    const std::pair<std::string, int> cases[] = {
        {"12", 12},  {"-3", -3},          {"", 99},  {"abc", 99}, {"4x", 99},
        {"1.5", 99}, {"99999999999", 99}, {" 7", 7},
    };
    for (const auto& [text, expected] : cases) {
        WriteRaw("[InitialView]\nViewStyle=" + text + "\n");
        EXPECT_EQ(GetProfileInt(u"InitialView", u"ViewStyle", 99), expected) << text;
    }
}

TEST_F(ProfileTest, UnwritableLocationFailsWithoutDamage) {
    ASSERT_TRUE(WriteProfileInt(u"InitialView", u"ViewStyle", 1));
    const fs::path file = dir_ / "plain-file";
    std::ofstream(file) << "x";
    setenv("XDG_CONFIG_HOME", file.c_str(), 1);  // a file where the folder should be
    EXPECT_FALSE(WriteProfileInt(u"InitialView", u"ViewStyle", 2));
    EXPECT_EQ(GetProfileInt(u"InitialView", u"ViewStyle", 0), 0);
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    EXPECT_EQ(GetProfileInt(u"InitialView", u"ViewStyle", 0), 1);
    const std::pair<std::u16string, std::u16string> badNames[] = {{u"", u"x"},
                                                                  {u"Bad]Group", u"x"},
                                                                  {u"Initial\nView", u"x"},
                                                                  {u"InitialView", u"a=b"},
                                                                  {u"InitialView", u" padded"},
                                                                  {u"InitialView", u""},
                                                                  {u"InitialView", u"[x]"}};
    for (const auto& [section, entry] : badNames) {
        EXPECT_FALSE(WriteProfileString(section, entry, u"y"));
        EXPECT_EQ(GetProfileString(section, entry, u"def"), u"def");
    }
    EXPECT_EQ(GetProfileInt(u"InitialView", u"ViewStyle", 0), 1);
}

TEST_F(ProfileTest, RandomFilesNeverBreakReading) {
    std::mt19937 random(20240611);
    const std::string pieces[] = {
        "[", "]",    "=",  "\n", "InitialView", "CapPosition",     "\\", ";",
        "#", "\xC3", "\0", " ",  "Font",        "[InitialView]\n", "9"};
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        const int parts = static_cast<int>(random() % 40);
        for (int i = 0; i < parts; ++i) {
            if (random() % 3 == 0) {
                bytes += static_cast<char>(random() % 256);
            } else {
                bytes += pieces[random() % std::size(pieces)];
            }
        }
        WriteRaw(bytes);
        const int position = GetProfileInt(u"InitialView", u"CapPosition", 1);
        (void)position;
        (void)GetProfileString(u"InitialView", u"Font", u"");
    }
    EXPECT_TRUE(WriteProfileInt(u"InitialView", u"CapPosition", 2));
    EXPECT_EQ(GetProfileInt(u"InitialView", u"CapPosition", 1), 2);
}

}  // namespace
}  // namespace tsy
