#include <gtest/gtest.h>

#include "export/export_cpp.h"
#include "support/test_files.h"

namespace tsy {
namespace {

using namespace cpp_export;

TEST(CppNames, FromTheOutputPath) {
    const struct {
        const char* output;
        const char* header;
        const char* include;
        const char* identifier;
    } cases[] = {
        {"/work/1st-sym.cpp", "/work/1st-sym.h", "1st-sym.h", "_1st_sym"},
        {"sym.cpp", "sym.h", "sym.h", "sym"},
        {"dir.cpp.d/My Sym(2).CPP", "dir.cpp.d/My Sym(2).h", "My Sym(2).h", "My_Sym_2_"},
        {"a.b.cpp", "a.b.h", "a.b.h", "a_b"},
        {"noext", "noext.h", "noext.h", "noext"},
        {".cpp", ".h", ".h", ""},
    };
    for (const auto& c : cases) {
        const CppNames n = DeriveCppNames(c.output);
        EXPECT_EQ(n.headerPath.string(), c.header) << c.output;
        EXPECT_EQ(n.includeName, c.include) << c.output;
        EXPECT_EQ(n.identifier, c.identifier) << c.output;
    }
}

TEST(CppNames, IdentifierRules) {
    const struct {
        const char* stem;
        const char* identifier;
    } cases[] = {
        {"1st-sym", "_1st_sym"},
        {"9", "_9"},
        {"a^!*+b", "a_b"},  // four marks, "___" then "__" collapse
        {"a---b", "a_b"},
        {"a----b", "a_b"},                   // "____": "___" -> "_" leaves "__" -> "_"
        {"a-----b", "a__b"},                 // one pass each: "_____" -> "___" -> "__"
        {"x&%;:,<>{}[]=|\"'#~y", "x____y"},  // 17 '_': 7 after "___", 4 after "__"
        {"a$b@c", "a_b_c"},                  // left over after the replacements
        {"\xC3\xA9t\xC3\xA9", "_t_"},        // one '_' per character, not per byte
        {"\xFF"
         "a",
         "_a"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(MakeIdentifier(c.stem), c.identifier) << c.stem;
}

TEST(CppText, CaptionEscaping) {
    const struct {
        std::u16string caption;
        const char* escaped;
    } cases[] = {
        {u"ABC", "ABC"},
        {u"A\u00E9B", "A\" L\"\\x00E9\" L\"B"},
        {u"\u00E9", "\" L\"\\x00E9\" L\""},
        {u"\u00E9\u20AC", "\" L\"\\x00E9\" L\"\\x20AC\" L\""},
        {u"a\tb", "a\" L\"\\x0009\" L\"b"},
        {u"say \"hi\" \\o/", "say \\\"hi\\\" \\\\o/"},
        {u"\U0001F600!", "\" L\"\\U0001F600\" L\"!"},
        {u"\xD800x", "\" L\"\\xD800\" L\"x"},  // a lone surrogate stays one escape
        {u"\x7F", "\x7F"},
        {u"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeCaption(c.caption), c.escaped);
}

TEST(CppText, ContentsLines) {
    std::string line;
    AppendContentsLine(line, "ABC", 0);
    EXPECT_EQ(line, "\t/* 0x0000 0x03 */\t0x41,0x42,0x43," + std::string(65, ' ') + " // ABC \n");

    line.clear();
    AppendContentsLine(line, "", 0);
    EXPECT_EQ(line, "\t/* 0x0000 0x00 */\t" + std::string(80, ' ') + " // " + " \n");

    // Control bytes, high bytes and the backslash show as '.': a trailing backslash would
    // splice the next line into the comment.
    const std::string bytes = std::string(16, 'x') + std::string("a\0\x7F\x80\\", 5);
    line.clear();
    AppendContentsLine(line, bytes, 16);
    EXPECT_EQ(line, "\t/* 0x0010 0x05 */\t0x61,0x00,0x7F,0x80,0x5C," + std::string(55, ' ') +
                        " // a.... \n");
}

TEST(CppText, RowChecksumAndLine) {
    const std::vector<uint8_t> white(58, 0xFF);
    EXPECT_EQ(RowChecksum(0x39, 58, white.data()), 0xC7);
    std::string line;
    AppendImageRow(line, 0x39, white.data(), 58);
    std::string values;
    for (int i = 0; i < 58; ++i) values += "0xFF,";
    EXPECT_EQ(line, "\t/* 0x0039 0x3A */\t" + values + "\t/* 0xC7 */\n");

    // Row numbers above 255 add their high byte; X above 255 adds only its low byte.
    const std::vector<uint8_t> row(300, 1);
    EXPECT_EQ(RowChecksum(0x1234, 300, row.data()),
              static_cast<uint8_t>(-(0x12 + 0x34 + 0x2C + 300)));
}

TEST(CppText, PreviewCharacters) {
    const struct {
        int grey;
        char c;
    } cases[] = {{0, '#'},   {19, '#'},  {20, '@'},  {39, '@'},  {40, 'a'},
                 {79, 'a'},  {80, 'c'},  {127, 'c'}, {128, ':'}, {159, ':'},
                 {160, '.'}, {219, '.'}, {220, ' '}, {255, ' '}};
    for (const auto& c : cases) EXPECT_EQ(PreviewChar(static_cast<uint8_t>(c.grey)), c.c) << c.grey;
}

RgbImage Solid(int w, int h, uint8_t r, uint8_t g, uint8_t b) {
    RgbImage image;
    image.width = w;
    image.height = h;
    for (int i = 0; i < w * h; ++i) image.pixels.insert(image.pixels.end(), {r, g, b});
    return image;
}

TEST(CppExport, HeaderLayout) {
    const RgbImage dot = Solid(1, 1, 0, 0, 0);
    ExportSource source;
    source.picture = &dot;
    source.messageBytes = "A";
    source.codepage = 28591;
    source.codepageName = u"Iso 8859-1 Western European";
    source.useEci = true;
    source.eci = 3;
    CExportCpp writer;
    ASSERT_TRUE(writer.Prepare("out/dot.cpp", source, nullptr));
    const std::string dashes(78, '-');
    std::string expected = "\n/*" + dashes + "\n  Written by Tessaly V2.0.0.299\n  " + dashes +
                           "*/\n\n"
                           "#ifndef _TSY_dot_H_\n#define _TSY_dot_H_ 1\n\n"
                           "#ifndef TSY_CONST\n#define TSY_CONST const\n#endif\n\n"
                           "TSY_CONST unsigned int dot_X = 9;\n"
                           "TSY_CONST unsigned int dot_Y = 9;\n"
                           "TSY_CONST unsigned int dot_Bpp = 8;\n\n"
                           "TSY_CONST int dot_Codepage = 28591;\t// Iso 8859-1 Western European\n"
                           "TSY_CONST int dot_Eci = 3;\n"
                           "TSY_CONST bool dot_UseEci = true;\n\n"
                           "TSY_CONST unsigned int dot_ImageSize = 0x51;\n"
                           "TSY_CONST unsigned int dot_ContentsSize = 0x1;\n\n"
                           "extern TSY_CONST wchar_t* dot_Caption; // zero terminated\n"
                           "extern TSY_CONST unsigned char dot_Contents[dot_ContentsSize];\n\n"
                           "extern TSY_CONST unsigned char dot_Image[dot_ImageSize];\n\n";
    for (int y = 0; y < 9; ++y) expected += y == 4 ? "//     #    \n" : "//          \n";
    expected += "\n#endif /* _TSY_dot_H_ */\n\n";
    EXPECT_EQ(writer.HeaderText(source), expected);
}

TEST(CppExport, SourceLayout) {
    const RgbImage grey = Solid(2, 1, 128, 128, 128);  // grey level 128
    ExportSource source;
    source.picture = &grey;
    source.messageBytes = "Hi";
    source.caption = u"C\u00E9";
    CExportCpp writer;
    ASSERT_TRUE(writer.Prepare("two.cpp", source, nullptr));
    const std::string text = writer.SourceText(source);
    const std::size_t start = text.find("#include");
    ASSERT_NE(start, std::string::npos);
    std::string expected =
        "#include \"stdafx.h\"\n#include \"two.h\"\n\n"
        "extern TSY_CONST wchar_t* two_Caption = L\"C\" L\"\\x00E9\" L\"\";\n\n"
        "extern TSY_CONST unsigned char two_Contents[two_ContentsSize] =\n{\n"
        "\t/* 0x0000 0x02 */\t0x48,0x69," +
        std::string(70, ' ') +
        " // Hi \n};\n\n"
        "TSY_CONST unsigned char two_Image[two_ImageSize] =\n{\n"
        "\t/* address count\t   0,   1,   2,   3,   4,   5,   6,   7,   8,   9, checksum*/\n";
    const std::string white = "0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,";
    const auto row = [](int n, const std::string& values, int sum) {
        char tail[32];
        std::snprintf(tail, sizeof tail, "\t/* 0x%02X */\n", (-(n + 10 + sum)) & 0xFF);
        char head[32];
        std::snprintf(head, sizeof head, "\t/* 0x%04X 0x0A */\t", n);
        return head + values + tail;
    };
    for (int n = 8; n >= 0; --n) {
        if (n == 4) {
            expected += row(n, "0xFF,0xFF,0xFF,0xFF,0x80,0x80,0xFF,0xFF,0xFF,0xFF,", 8 * 255 + 256);
        } else {
            expected += row(n, white, 10 * 255);
        }
    }
    expected += "};\n\n";
    EXPECT_EQ(text.substr(start), expected);
}

TEST(CppExport, WorkedExamples) {
    const RgbImage picture = Solid(50, 50, 0, 0, 0);
    ExportSource source;
    source.picture = &picture;
    source.codepage = 20127;
    source.codepageName = u"Iso 646 (ASCII)";
    source.useEci = false;
    source.eci = 26;
    CExportCpp writer;
    ASSERT_TRUE(writer.Prepare("/work/1st-sym.cpp", source, nullptr));
    EXPECT_EQ(writer.X(), 58);
    EXPECT_EQ(writer.Y(), 58);
    const std::string h = writer.HeaderText(source);
    for (const char* line :
         {"#ifndef _TSY__1st_sym_H_\n", "_1st_sym_ImageSize = 0xD24;\n",
          "_1st_sym_Codepage = 20127;\t// Iso 646 (ASCII)\n", "_1st_sym_Eci = -1;\n",
          "_1st_sym_UseEci = false;\n", "_1st_sym_ContentsSize = 0x0;\n"}) {
        EXPECT_NE(h.find(line), std::string::npos) << line;
    }
    source.codepage = 0;
    source.codepageName.clear();
    source.useEci = true;
    const std::string h0 = writer.HeaderText(source);
    EXPECT_NE(h0.find("_Codepage = 0;\t// not_supported\n"), std::string::npos);
    EXPECT_NE(h0.find("_Eci = 26;\n"), std::string::npos);
    EXPECT_NE(h0.find("_UseEci = true;\n"), std::string::npos);
}

TEST(CppExport, NoPictureGivesAnEmptyTable) {
    ExportSource source;
    CExportCpp writer;
    ASSERT_TRUE(writer.Prepare("e.cpp", source, nullptr));
    EXPECT_EQ(writer.X(), 0);
    EXPECT_EQ(writer.Bpp(), 0);
    const std::string s = writer.SourceText(source);
    EXPECT_NE(s.find("{\n\t/* address count\t checksum*/\n};\n"), std::string::npos);
}

TEST(CppExport, RefusesAHeaderThatIsTheOutput) {
    test::TempDir dir;
    const RgbImage picture = Solid(3, 3, 0, 0, 0);
    ExportSource source;
    source.picture = &picture;
    for (const char* name : {"sym.cpp.h", "sym.h"}) {
        std::string error;
        CExportCpp writer;
        EXPECT_FALSE(writer.ExportCpp(dir / name, source, &error)) << name;
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(std::filesystem::exists(dir / name));
    }
    // Through the dispatch, which picks the C++ writer for any name holding ".cpp".
    EXPECT_FALSE(ExportToFile(source, dir / "sym.cpp.h", nullptr));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(CppExport, WritesBothFilesWithLineFeeds) {
    test::TempDir dir;
    const RgbImage picture = Solid(4, 2, 255, 0, 0);
    ExportSource source;
    source.picture = &picture;
    source.messageBytes = std::string(40, '\n');
    std::string error;
    CExportCpp writer;
    ASSERT_TRUE(writer.ExportCpp(dir / "pair.cpp", source, &error)) << error;
    const std::string s = test::ReadFile(dir / "pair.cpp");
    const std::string h = test::ReadFile(dir / "pair.h");
    EXPECT_EQ(s, writer.SourceText(source));
    EXPECT_EQ(h, writer.HeaderText(source));
    EXPECT_EQ(s.find('\r'), std::string::npos);
    EXPECT_NE(s.find("\t/* 0x0020 0x08 */\t"), std::string::npos);  // 40 bytes: 16 + 16 + 8
}

}  // namespace
}  // namespace tsy
