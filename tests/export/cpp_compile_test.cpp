// The exported pair compiled by g++ and read back by a program linked with it.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "export/export_source.h"
#include "export/grey_image.h"
#include "support/require.h"
#include "support/test_files.h"
#include "test_picture.h"

namespace tsy {
namespace {

using test::Quote;
using test::RunTool;

// Prints dimensions, contents, caption code points, the image and each row's checksum as the
// header defines them.
const char kReader[] = R"(#include "stdafx.h"
#include "HEADER"
#include <cstdio>
int main() {
    std::printf("%u %u %u %u %u %d %d %d\n", ID_X, ID_Y, ID_Bpp, ID_ContentsSize, ID_ImageSize,
                ID_Codepage, ID_Eci, ID_UseEci ? 1 : 0);
    for (unsigned i = 0; i < ID_ContentsSize; ++i) std::printf("%02X", ID_Contents[i]);
    std::printf("\n");
    for (const wchar_t* p = ID_Caption; *p; ++p) std::printf("%X ", (unsigned)*p);
    std::printf("\n");
    for (unsigned i = 0; i < ID_ImageSize; ++i) std::printf("%02X", ID_Image[i]);
    std::printf("\n");
    for (unsigned y = 0; y < ID_Y; ++y) {
        const unsigned row = ID_Y - 1 - y;
        unsigned sum = (row >> 8) + (row & 0xFF) + (ID_X & 0xFF);
        for (unsigned x = 0; x < ID_X; ++x) sum += ID_Image[y * ID_X + x];
        std::printf("%02X ", (0u - sum) & 0xFFu);
    }
    std::printf("\n");
}
)";

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char two[3];
    for (unsigned char b : bytes) {
        std::snprintf(two, sizeof two, "%02X", b);
        out += two;
    }
    return out;
}

std::string CodePoints(const std::u16string& text) {
    std::string out;
    char buf[16];
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);
        }
        std::snprintf(buf, sizeof buf, "%X ", c);
        out += buf;
    }
    return out;
}

struct Case {
    const char* file;
    const char* id;
    std::string message;
    std::u16string caption;
    bool useEci;
};

TEST(CppCompile, GxxBuildsThePairAndItHoldsWhatWasExported) {
    TSY_REQUIRE_TOOL(test::ToolAvailable("/usr/bin/g++"), "g++");
    const RgbImage picture = test::TestPicture(21, 13, true);
    std::string bytes;
    for (int i = 0; i < 40; ++i) bytes.push_back(static_cast<char>(i * 37 + 1));
    bytes[15] = '\\';  // ends the first contents line
    bytes[3] = '\0';
    bytes[20] = '"';
    const Case cases[] = {
        {"1st-sym.cpp", "_1st_sym", bytes, u"Sym \"1\" \\ \u00E9\u20AC\U0001F600\tend\u00FF", true},
        {"My Sym(2).CPP", "My_Sym_2_", "", u"", false},
        {"\xC3\xA9t\xC3\xA9.cpp", "_t_", "\\", u"\\", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        test::TempDir dir;
        test::WriteFile(dir / "stdafx.h", "#include <cstddef>\n");
        ExportSource source;
        source.picture = &picture;
        source.messageBytes = c.message;
        source.caption = c.caption;
        source.codepage = 28591;
        source.codepageName = u"Iso 8859-1 Western European";
        source.useEci = c.useEci;
        source.eci = 3;
        std::string message;
        ASSERT_TRUE(ExportToFile(source, dir / c.file, &message)) << message;
        const std::string stem = std::filesystem::path(c.file).stem().string();
        test::WriteFile(dir / "main.cpp",
                        ReplaceAll(ReplaceAll(kReader, "HEADER", stem + ".h"), "ID", c.id));
        bool ok = false;
        RunTool("/usr/bin/g++ -std=c++17 -w -o " + Quote(dir / "reader") + " " +
                    Quote(dir / c.file) + " -x none " + Quote(dir / "main.cpp") + " 2>&1",
                &ok);
        ASSERT_TRUE(ok) << "g++ failed on " << c.file;
        const std::string out = RunTool(Quote(dir / "reader"), &ok);
        ASSERT_TRUE(ok);

        std::istringstream lines(out);
        std::string dims, contents, caption, image, sums;
        std::getline(lines, dims);
        std::getline(lines, contents);
        std::getline(lines, caption);
        std::getline(lines, image);
        std::getline(lines, sums);
        EXPECT_EQ(dims, "29 21 8 " + std::to_string(c.message.size()) + " 609 28591 " +
                            (c.useEci ? "3 1" : "-1 0"));
        EXPECT_EQ(contents, Hex(c.message));
        EXPECT_EQ(caption, CodePoints(c.caption));
        const GreyImage grey = ToGrey(picture, 4);
        EXPECT_EQ(image, Hex(std::string(grey.pixels.begin(), grey.pixels.end())));

        // The checksums in the source's comments are the ones the program computes.
        const std::string text = test::ReadFile(dir / c.file);
        const std::regex tail("\t/\\* 0x([0-9A-F]{2}) \\*/\n");
        std::string written;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), tail);
             it != std::sregex_iterator(); ++it) {
            written += (*it)[1].str() + " ";
        }
        EXPECT_EQ(sums, written);
    }
}

}  // namespace
}  // namespace tsy
