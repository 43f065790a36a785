// Standard QR Code Model 2 as a user gets it: a QR document with model 2, written as PNG, read
// back by both readers at every version and level.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "export/document_export.h"
#include "message/codepage_table.h"
#include "message/markup.h"
#include "support/qr_iso_capacity.h"
#include "support/require.h"
#include "support/test_files.h"
#include "support/zxing_wasm.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

// The documents read the profile; export_test registers one PrivateProfile for the program.

struct Grey {
    std::vector<uint8_t> pixels;
    int width = 0;
    int height = 0;
};

Grey ReadPgm(const std::filesystem::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::string magic;
    int max = 0;
    Grey g;
    f >> magic >> g.width >> g.height >> max;
    f.get();
    if (magic != "P5" || g.width <= 0 || g.height <= 0) return {};
    g.pixels.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height));
    f.read(reinterpret_cast<char*>(g.pixels.data()), static_cast<std::streamsize>(g.pixels.size()));
    return g;
}

// Message bytes of any value reach the symbol through the Binary code page and the markup, as
// read from a file.
std::u16string AsMarkup(const std::string& bytes, MarkupStyle style) {
    std::u16string text;
    for (unsigned char c : bytes) text += static_cast<char16_t>(c);
    return FormatMarkup(text, style, false, false);
}

TEST(QrModel2Png, EveryVersionAndLevelReadsBack) {
    TSY_REQUIRE_TOOL(test::ToolAvailable("/usr/bin/mogrify"), "ImageMagick (/usr/bin/mogrify)");
    test::TempDir dir;
    struct Case {
        int version, level;
        std::string message;
        std::string name;
    };
    std::vector<Case> cases;
    for (int level = 0; level < 4; ++level)
        for (int version = 1; version <= 40; ++version) {
            const int length = test::QrIsoByteCapacity(version, level);
            Case c{version, level,
                   test::RandomBytes(static_cast<uint32_t>(19000 + 64 * version + level),
                                     static_cast<std::size_t>(length)),
                   "v" + std::to_string(version) + "l" + std::to_string(level)};
            CQRDoc doc;
            doc.m_Message = AsMarkup(c.message, doc.m_ViewStyle);
            doc.m_Codepage = static_cast<int32_t>(CP_BINARY);
            doc.m_ErrorCorrectionLevel = level;
            doc.m_Model = CQRDoc::kIsoModel;
            // 3-pixel modules: zxing-cpp 1.4 finds version 40 at 2 pixels only as a pure symbol.
            doc.m_ElementWidth = 35;
            ASSERT_TRUE(doc.BuildSymbol()) << c.name;
            ASSERT_EQ(doc.m_MessageBytes, c.message) << c.name;
            std::string error;
            ASSERT_TRUE(ExportDocumentToFile(doc, dir / (c.name + ".png"), &error)) << error;
            cases.push_back(std::move(c));
        }
    // One ImageMagick run for all pictures, with a white quiet zone.
    bool ok = false;
    test::RunTool("cd " + test::Quote(dir.path()) +
                      " && /usr/bin/mogrify -format pgm -bordercolor white -border 8 "
                      "-colorspace gray -depth 8 *.png",
                  &ok);
    ASSERT_TRUE(ok);

    std::vector<test::WasmJob> jobs;
    for (const Case& c : cases) {
        const Grey g = ReadPgm(dir / (c.name + ".pgm"));
        ASSERT_FALSE(g.pixels.empty()) << c.name;
        test::DecodeOptions options;
        options.quietZone = 0;
        options.pure = true;
        const test::Decoded d =
            test::DecodeGrey(g.pixels, g.width, g.height, test::Symbology::QRCode, options);
        EXPECT_TRUE(d.ok) << c.name << ": " << d.error;
        EXPECT_EQ(d.bytes, c.message) << c.name;
        EXPECT_EQ(d.symbologyId, "]Q1") << c.name;  // Model 1 would be ]Q0
        EXPECT_EQ(d.ecLevel, test::QrLevelName(c.level)) << c.name;
        jobs.push_back({g.pixels, g.width, g.height, "QRCode", false});
    }

    TSY_REQUIRE_TOOL(test::WasmReaderAvailable(), "zxing-wasm (tools/zxing-wasm)");
    const auto results = test::DecodeWithWasm(jobs);
    ASSERT_EQ(results.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        EXPECT_TRUE(results[i].ok) << c.name << ": " << results[i].error;
        EXPECT_EQ(results[i].bytes, c.message) << c.name;
        EXPECT_EQ(results[i].format, "QRCode") << c.name;
        EXPECT_EQ(results[i].symbologyId, "]Q1") << c.name;
        EXPECT_EQ(results[i].version, std::to_string(c.version)) << c.name;
        EXPECT_EQ(results[i].ecLevel, test::QrLevelName(c.level)) << c.name;
    }
}

}  // namespace
}  // namespace tsy
