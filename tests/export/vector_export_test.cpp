// SVG, PDF and EPS: the rectangles cover exactly the dark pixels, other programs' rasterisers
// turn the files back into symbols zxing-cpp reads, and the page is the symbol's size in mils.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "export/document_export.h"
#include "export/vector_picture.h"
#include "support/require.h"
#include "support/test_files.h"
#include "support/zxing_decode.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

// The documents read the profile; export_test registers one PrivateProfile for the program.

TEST(DarkRectangles, CoverEveryDarkPixelOnce) {
    std::mt19937 rng(23);
    for (int round = 0; round < 200; ++round) {
        Bitmap1 b;
        b.width = 1 + static_cast<int>(rng() % 40);
        b.height = 1 + static_cast<int>(rng() % 12);
        b.bits.assign(static_cast<std::size_t>(b.stride() * b.height), 0xFF);
        // Columns of equal runs, as bars and modules make them, with noise on top.
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x)
                b.setBlack(x, y, (x / 3 + (y / 4) * (rng() % 2 == 0)) % 2 == 0 || rng() % 9 == 0);
        Bitmap1 painted = b;
        std::fill(painted.bits.begin(), painted.bits.end(), uint8_t{0xFF});
        for (const PixelRect& r : DarkRectangles(b))
            for (int y = r.y; y < r.y + r.height; ++y)
                for (int x = r.x; x < r.x + r.width; ++x) {
                    ASSERT_FALSE(painted.isBlack(x, y)) << "overlap at " << x << "," << y;
                    painted.setBlack(x, y, true);
                }
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x) ASSERT_EQ(painted.isBlack(x, y), b.isBlack(x, y));
    }
}

TEST(DarkRectangles, ABarIsOneRectangle) {
    CCode39Doc doc;
    doc.m_Message = u"ABC";
    ASSERT_TRUE(doc.BuildSymbol());
    // "*ABC*": five bars a character.
    EXPECT_EQ(DarkRectangles(doc.LastBuild().symbol).size(), 25u);
}

struct VectorCase {
    const char* name;
    std::function<std::unique_ptr<CEncoderDoc>()> make;
    test::Symbology symbology;
};

template <class D>
std::function<std::unique_ptr<CEncoderDoc>()> Doc(std::function<void(D&)> setUp = {}) {
    return [setUp] {
        auto doc = std::make_unique<D>();
        doc->m_Message = u"Vector 23";
        doc->m_Caption.clear();
        if (setUp) setUp(*doc);
        return doc;
    };
}

const VectorCase kCases[] = {
    {"Aztec", Doc<CAztecDoc>(), test::Symbology::Aztec},
    {"PDF417", Doc<CPDF417Doc>(), test::Symbology::PDF417},
    {"QR", Doc<CQRDoc>([](CQRDoc& d) { d.m_Model = CQRDoc::kIsoModel; }), test::Symbology::QRCode},
    {"Code128", Doc<CCode128Doc>([](CCode128Doc& d) {
         d.m_Caption = u"with a caption";
         d.m_AddMessage = true;
     }),
     test::Symbology::Code128},
    {"Code39", Doc<CCode39Doc>([](CCode39Doc& d) { d.m_ElementWidth = 10; }),
     test::Symbology::Code39},
};

class VectorFile : public ::testing::TestWithParam<VectorCase> {
protected:
    std::unique_ptr<CEncoderDoc> Built() {
        auto doc = GetParam().make();
        EXPECT_TRUE(doc->BuildSymbol());
        return doc;
    }
    test::TempDir dir_;
};

// A 600 dpi grey rendering (5-mil PDF417 modules need it) of a file, through the rasteriser of its
// kind.
bool Rasterise(const std::filesystem::path& file, const std::filesystem::path& pgm) {
    bool ok = false;
    if (file.extension() == ".pdf") {
        test::RunTool("pdftoppm -r 600 -gray -singlefile " + test::Quote(file) + " " +
                          test::Quote(std::filesystem::path(pgm).replace_extension()),
                      &ok);
        return ok;
    }
    const auto png = std::filesystem::path(pgm).replace_extension(".png");
    test::RunTool(
        "rsvg-convert -d 600 -p 600 -b white -o " + test::Quote(png) + " " + test::Quote(file),
        &ok);
    if (ok) test::RunTool("/usr/bin/convert " + test::Quote(png) + " " + test::Quote(pgm), &ok);
    return ok;
}

TEST_P(VectorFile, RasterisedReadsBack) {
    TSY_REQUIRE_TOOL(test::ToolAvailable("/usr/bin/rsvg-convert") &&
                         test::ToolAvailable("/usr/bin/pdftoppm") &&
                         test::ToolAvailable("/usr/bin/convert"),
                     "rsvg-convert, pdftoppm or ImageMagick");
    const auto doc = Built();
    for (const char* ext : {".svg", ".pdf"}) {
        const auto file = dir_ / (std::string("v") + ext);
        std::string error;
        ASSERT_TRUE(ExportDocumentToFile(*doc, file, &error)) << error;
        const auto pgm = dir_ / (std::string("v") + ext + ".pgm");
        ASSERT_TRUE(Rasterise(file, pgm)) << ext;
        const std::string bytes = test::ReadFile(pgm);
        int w = 0, h = 0, max = 0, consumed = 0;
        ASSERT_EQ(std::sscanf(bytes.c_str(), "P5 %d %d %d%n", &w, &h, &max, &consumed), 3);
        ASSERT_EQ(bytes.size() - consumed - 1, static_cast<std::size_t>(w) * h);
        // The page ends where the symbol does: a quiet zone around it for the reader.
        constexpr int kMargin = 40;
        const int W = w + 2 * kMargin, H = h + 2 * kMargin;
        std::vector<uint8_t> grey(static_cast<std::size_t>(W) * H, 255);
        for (int y = 0; y < h; ++y)
            std::copy_n(bytes.begin() + consumed + 1 + y * w, w,
                        grey.begin() + (y + kMargin) * W + kMargin);
        test::DecodeOptions options;
        options.code39Extended = true;
        const test::Decoded d = test::DecodeGrey(grey, W, H, GetParam().symbology, options);
        EXPECT_TRUE(d.ok) << ext << ": " << d.error;
        EXPECT_EQ(d.bytes, doc->m_MessageBytes) << ext;
    }
}

// Without a caption the page is the symbol: columns and rows times their sizes in mils.
TEST_P(VectorFile, PageIsTheSymbolsSizeInMils) {
    TSY_REQUIRE_TOOL(test::ToolAvailable("/usr/bin/pdfinfo"), "pdfinfo");
    auto doc = GetParam().make();
    doc->m_Caption.clear();
    doc->m_AddMessage = false;
    ASSERT_TRUE(doc->BuildSymbol());
    std::string error;
    ASSERT_TRUE(ExportDocumentToFile(*doc, dir_ / "p.pdf", &error)) << error;
    ASSERT_TRUE(ExportDocumentToFile(*doc, dir_ / "p.eps", &error)) << error;
    bool ok = false;
    const std::string info = test::RunTool("pdfinfo " + test::Quote(dir_ / "p.pdf"), &ok);
    ASSERT_TRUE(ok);
    double w = 0, h = 0;
    const auto at = info.find("Page size:");
    ASSERT_NE(at, std::string::npos) << info;
    ASSERT_EQ(std::sscanf(info.c_str() + at, "Page size: %lf x %lf pts", &w, &h), 2);
    const bool linear = doc->Kind() == DocumentKind::Code39 || doc->Kind() == DocumentKind::Code128;
    const double widthMils = double(doc->m_ModuleColumns) * doc->m_ElementWidth;
    const double heightMils =
        linear ? doc->m_SymbolHeight : double(doc->m_ModuleRows) * doc->m_ElementHeight;
    EXPECT_NEAR(w, widthMils * 0.072, 1e-3);
    EXPECT_NEAR(h, heightMils * 0.072, 1e-3);

    const std::string eps = test::ReadFile(dir_ / "p.eps");
    EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0", 0), 0u);
    EXPECT_NE(eps.find("%%BoundingBox: 0 0 " + std::to_string(int(std::ceil(w))) + " " +
                       std::to_string(int(std::ceil(h)))),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Symbologies, VectorFile, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tsy

namespace tsy {
namespace {

int BmpWidth(const std::string& bmp) {
    if (bmp.size() < 26) return -1;
    return static_cast<uint8_t>(bmp[18]) | static_cast<uint8_t>(bmp[19]) << 8;
}

// The export dialog's resolution: the file is built for it, the document on screen is not.
TEST(ExportAtResolution, BuildsACopyForTheDpi) {
    test::TempDir dir;
    CCode39Doc doc;
    doc.m_Message = u"ABC";
    doc.m_ElementWidth = 10;
    ASSERT_TRUE(doc.BuildSymbol());
    const int screenWidth = doc.m_Picture.Picture().width;
    struct {
        int dpi;
        int width;  // "*ABC*" and its quiet zones: 100 narrow bars
    } cases[] = {{0, screenWidth}, {96, screenWidth}, {300, 300}, {600, 600}, {1200, 1200}};
    for (const auto& c : cases) {
        std::string error;
        ASSERT_TRUE(ExportDocumentToFile(doc, dir / "r.bmp", c.dpi, &error)) << error;
        EXPECT_EQ(BmpWidth(test::ReadFile(dir / "r.bmp")), c.width) << c.dpi;
        EXPECT_EQ(doc.m_Picture.Picture().width, screenWidth);
        EXPECT_EQ(doc.Resolution(), 0);
    }
}

}  // namespace
}  // namespace tsy
