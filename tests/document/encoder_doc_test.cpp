#include "document/encoder_doc.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/sheet_runner.h"
#include "imaging/scalers.h"
#include "platform/screen.h"
#include "support/private_profile.h"

namespace tsy {
namespace {

const auto* const kConfigHome = ::testing::AddGlobalTestEnvironment(new test::PrivateProfile);

// A document whose encoder draws a fixed 40 x 20 pixel block: enough to exercise the base's
// build steps without any symbology.
const DocumentType kTestType{DocumentKind::Code39, 0,  u"",        u"",    u"", u"", u"", ClassId{},
                             {25, 25, 250, 1, 0},  60, {75, 4000}, nullptr};

class TestDoc : public CEncoderDoc {
public:
    TestDoc() : CEncoderDoc(kTestType) {}
    void StoreTypeSection(CArchive&) const override {}
    void LoadTypeSection(CArchive&) override {}
    bool BuildSymbol() override {
        ++builds;
        if (m_Message.empty()) return FailBuild();
        PrepareMessage(20127);
        ModuleMatrix matrix(20, 10);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; x += 2) matrix.set(x, y);
        int32_t h = matrix.height(), w = matrix.width();
        BlockHandle block = ScaleModuleMatrix(matrix, &h, &w, 2, 2, false, 0);
        int32_t outH = 0, outW = 0;
        void* bits = nullptr;
        block = FinishRaster(block, h, w, &outH, &outW, &bits);
        OwnedRaster raster(block, outH, outW, bits);
        m_ModuleColumns = outW / 2;
        return ComposeFromRaster(raster);
    }
    int builds = 0;
};

class ScriptedRunner : public SheetRunner {
public:
    explicit ScriptedRunner(std::function<bool(CEncoderDoc&)> f) : f_(std::move(f)) {}
    bool RunSheet(CEncoderDoc& doc) override { return f_(doc); }

private:
    std::function<bool(CEncoderDoc&)> f_;
};

bool AnyDarkRow(const RgbImage& p, int fromY, int toY) {
    for (int y = fromY; y < toY; ++y)
        for (int x = 0; x < p.width; ++x)
            if (!p.isWhite(x, y)) return true;
    return false;
}

TEST(EncoderDoc, BaseDefaults) {
    test::PrivateProfile::RemoveProfile();
    TestDoc doc;
    EXPECT_EQ(doc.m_DefaultExt, u"bmp");
    EXPECT_EQ(doc.m_Version, 301);
    EXPECT_EQ(doc.m_ViewStyle, MarkupStyle::Bracket);
    EXPECT_EQ(doc.m_Codepage, 0);
    EXPECT_EQ(doc.m_Eci, -1);
    EXPECT_EQ(doc.m_UseEci, 0);
    EXPECT_EQ(doc.m_Accurate, 1);
    EXPECT_EQ(doc.m_FontFace, u"ARIAL");
    EXPECT_EQ(doc.m_FontSize, 100);
    EXPECT_EQ(doc.m_Font.logFont().faceName, u"ARIAL");
    EXPECT_EQ(doc.m_CapPosition, 1);
    EXPECT_EQ(doc.m_ElementWidth, 25);
    EXPECT_EQ(doc.m_ElementHeight, 25);
    EXPECT_EQ(doc.m_SymbolHeight, 250);
    EXPECT_EQ(doc.m_SymbolWidth, 250);
    EXPECT_EQ(doc.m_ModuleColumns, 0);
    EXPECT_EQ(doc.m_ModuleRows, 1);
    EXPECT_FLOAT_EQ(doc.m_WideRatio, 2.5f);
    EXPECT_EQ(doc.m_Undercut, 0);
    EXPECT_FALSE(doc.m_AddMessage);
    EXPECT_EQ(doc.HorizontalScale(), 1);
    EXPECT_FALSE(doc.m_Picture.HasPicture());
}

struct PixelCase {
    int dpi;
    int32_t mils;
    int64_t pixels;
};

TEST(EncoderDoc, ModuleAndBarPixels) {
    const PixelCase cases[] = {
        {96, 25, 2},  {96, 10, 1},   {96, 5, 1},
        {96, 0, 1},   {96, -100, 1}, {96, 250, 24},
        {300, 10, 3}, {600, 25, 15}, {96, 2147483647, 206158430},
    };
    TestDoc doc;
    for (const PixelCase& c : cases) {
        SetScreenDpi(c.dpi, c.dpi);
        doc.m_ElementWidth = doc.m_ElementHeight = doc.m_SymbolHeight = c.mils;
        EXPECT_EQ(doc.ModulePixels().x, c.pixels) << c.dpi << " dpi, " << c.mils << " mils";
        EXPECT_EQ(doc.ModulePixels().y, c.pixels) << c.dpi << " dpi, " << c.mils << " mils";
        EXPECT_EQ(doc.BarPixels(), c.pixels) << c.dpi << " dpi, " << c.mils << " mils";
    }
    SetScreenDpi(0, 0);
    EXPECT_EQ(ScreenDpiX(), 96);
}

TEST(EncoderDoc, PrepareMessageKeepsTheDefaultCodepageAndReportsLoss) {
    TestDoc doc;
    doc.m_Message = u"AB[CR]C";
    doc.PrepareMessage(20127);
    EXPECT_EQ(doc.m_Codepage, 20127);
    EXPECT_EQ(doc.m_MessageBytes, std::string("AB\rC"));
    EXPECT_EQ(doc.m_Accurate, 1);

    doc.m_Message = u"A\u00e9B";  // no e-acute in ASCII: dropped, not an error
    doc.PrepareMessage(437);
    EXPECT_EQ(doc.m_Codepage, 20127);
    EXPECT_EQ(doc.m_MessageBytes, std::string("AB"));
    EXPECT_EQ(doc.m_Accurate, 0);
}

TEST(EncoderDoc, SelectCodepageFromTheEciTable) {
    TestDoc doc;
    doc.SelectCodepage(u"unicode utf-8");
    EXPECT_EQ(doc.m_Codepage, 65001);
    EXPECT_EQ(doc.m_Eci, 26);
    doc.SelectCodepage(u"CP437 PDF-GLI0 (legacy)");
    EXPECT_EQ(doc.m_Codepage, 437);
    EXPECT_EQ(doc.m_Eci, 0);
    doc.SelectCodepage(u"no such name");
    EXPECT_EQ(doc.m_Codepage, 0);
    EXPECT_EQ(doc.m_Eci, -1);
}

TEST(EncoderDoc, CaptionBandBelowTheSymbol) {
    TestDoc doc;
    doc.m_Message = u"X";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Picture.Picture().width, 40);
    EXPECT_EQ(doc.m_Picture.Picture().height, 20);  // no caption: exactly the symbol

    doc.m_Caption = u"Caption";
    ASSERT_TRUE(doc.BuildSymbol());
    const RgbImage& p = doc.m_Picture.Picture();
    EXPECT_GT(p.height, 20);
    EXPECT_TRUE(AnyDarkRow(p, 20, p.height));
}

TEST(EncoderDoc, AddMessageDrawsTheMessageAboveAndTheCaptionBelow) {
    TestDoc doc;
    doc.m_Message = u"MESSAGE";
    doc.m_AddMessage = true;
    ASSERT_TRUE(doc.BuildSymbol());
    const RgbImage only = doc.m_Picture.Picture();
    // The message band sits above; with an empty caption nothing is added below.
    const int band = only.height - 20;
    EXPECT_GT(band, 0);
    EXPECT_TRUE(AnyDarkRow(only, 0, band));

    doc.m_Caption = u"below";
    ASSERT_TRUE(doc.BuildSymbol());
    const RgbImage& both = doc.m_Picture.Picture();
    EXPECT_GT(both.height, only.height);
    EXPECT_TRUE(AnyDarkRow(both, only.height, both.height));
}

TEST(EncoderDoc, EditNewSymbol) {
    TestDoc doc;
    ScriptedRunner confirm([](CEncoderDoc& d) {
        d.m_Message = u"typed";
        return true;
    });
    EXPECT_TRUE(doc.EditNewSymbol(confirm));
    EXPECT_EQ(doc.builds, 0);  // the sheet's pages built it
    EXPECT_EQ(doc.m_Message, u"typed");

    ScriptedRunner cancel([](CEncoderDoc& d) {
        d.m_Message = u"typed";
        return false;
    });
    EXPECT_FALSE(doc.EditNewSymbol(cancel));
    EXPECT_TRUE(doc.m_Message.empty());
    EXPECT_FALSE(doc.m_Picture.HasPicture());

    ScriptedRunner confirmEmpty([](CEncoderDoc&) { return true; });
    EXPECT_FALSE(doc.EditNewSymbol(confirmEmpty));

    // An embedded document starts empty and never shows the sheet.
    ScriptedRunner never([](CEncoderDoc&) -> bool {
        ADD_FAILURE();
        return false;
    });
    EXPECT_TRUE(doc.OnNewDocument(&never, true));
}

TEST(EncoderDoc, CommandLineOptions) {
    TestDoc doc;
    CommandLineOptions o;
    o.message = u"MSG";
    o.caption = u"cap";
    o.addMessage = true;
    o.elementWidth = 15;
    o.symbolHeight = 700;
    o.codepage = 437;
    o.useEci = true;
    o.fontSize = 120;
    o.outputName = u"out.png";
    std::u16string written;
    const bool ok = doc.ApplyCommandLine(o, [&](CEncoderDoc& d, const std::u16string& name) {
        EXPECT_TRUE(d.m_Picture.HasPicture());
        written = name;
        return true;
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(written, u"out.png");
    EXPECT_EQ(doc.m_Message, u"MSG");
    EXPECT_EQ(doc.m_Caption, u"cap");
    EXPECT_TRUE(doc.m_AddMessage);
    EXPECT_EQ(doc.m_ElementWidth, 15);
    EXPECT_EQ(doc.m_SymbolHeight, 700);
    EXPECT_EQ(doc.m_Codepage, 437);
    EXPECT_EQ(doc.m_Eci, 2);
    EXPECT_EQ(doc.m_UseEci, 1);
    EXPECT_EQ(doc.m_FontSize, 120);
    EXPECT_EQ(doc.m_Font.logFont().faceName, u"Arial");

    // Zero sizes keep the document's; code page 0 derives no ECI.
    TestDoc keep;
    CommandLineOptions empty;
    empty.message = u"A";
    keep.ApplyCommonOptions(empty);
    EXPECT_EQ(keep.m_ElementWidth, 25);
    EXPECT_EQ(keep.m_SymbolHeight, 250);
    EXPECT_EQ(keep.m_Codepage, 0);
    EXPECT_EQ(keep.m_Eci, -1);
    EXPECT_EQ(keep.m_FontSize, 100);
    EXPECT_EQ(keep.m_Font.logFont().faceName, u"ARIAL");

    // No symbol, nothing written.
    CommandLineOptions none;
    bool called = false;
    EXPECT_FALSE(keep.ApplyCommandLine(none, [&](CEncoderDoc&, const std::u16string&) {
        called = true;
        return true;
    }));
    EXPECT_FALSE(called);
    // Without a writer the run only builds, and reports that nothing was written.
    EXPECT_FALSE(keep.ApplyCommandLine(empty, {}));
    EXPECT_TRUE(keep.m_Picture.HasPicture());
}

}  // namespace
}  // namespace tsy
