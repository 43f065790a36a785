#include <gtest/gtest.h>

#include <fstream>

#include "document/encoder_doc.h"
#include "platform/profile.h"
#include "support/private_profile.h"

namespace tsy {
namespace {

const DocumentType kSettingsType{
    DocumentKind::QR,    0,    u"",        u"",    u"", u"", u"", ClassId{},
    {25, 25, 250, 1, 0}, 4000, {250, 250}, nullptr};

class SettingsDoc : public CEncoderDoc {
public:
    SettingsDoc() : CEncoderDoc(kSettingsType) {}
    bool BuildSymbol() override { return FailBuild(); }
    void StoreTypeSection(CArchive&) const override {}
    void LoadTypeSection(CArchive&) override {}
};

void ExpectDefaults(const CEncoderDoc& doc) {
    EXPECT_EQ(doc.m_CrLfStyle, EnterMode::CrLf);
    EXPECT_EQ(doc.m_ViewStyle, MarkupStyle::Bracket);
    EXPECT_EQ(doc.m_CapPosition, 1);
    EXPECT_EQ(doc.m_DefaultExt, u"bmp");
    EXPECT_EQ(doc.m_FontSize, 100);
    EXPECT_EQ(doc.m_Font.logFont().faceName, u"ARIAL");
}

TEST(EncoderDocSettings, TheDocumentClosedLastSetsTheNextOnesDefaults) {
    test::PrivateProfile::RemoveProfile();
    {
        SettingsDoc doc;
        ExpectDefaults(doc);
        doc.m_CrLfStyle = EnterMode::Lf;
        doc.m_ViewStyle = MarkupStyle::C;
        doc.m_CapPosition = 0;
        doc.m_DefaultExt = u"png";
        doc.ApplyFontDescription(u"01,Courier New,h120,w700,i1,u0,s0,c0");
        doc.OnCloseDocument();
    }
    SettingsDoc next;
    EXPECT_EQ(next.m_CrLfStyle, EnterMode::Lf);
    EXPECT_EQ(next.m_ViewStyle, MarkupStyle::C);
    EXPECT_EQ(next.m_CapPosition, 0);
    EXPECT_EQ(next.m_DefaultExt, u"png");
    EXPECT_EQ(next.m_FontSize, 120);
    const LogFont& lf = next.m_Font.logFont();
    EXPECT_EQ(lf.faceName, u"Courier New");
    EXPECT_EQ(lf.weight, 700);
    EXPECT_TRUE(lf.italic);
    EXPECT_EQ(GetProfileString(u"InitialView", u"Font"), u"01,Courier New,h120,w700,i1,u0,s0,c0");
    test::PrivateProfile::RemoveProfile();
}

TEST(EncoderDocSettings, MissingOrCorruptProfileGivesDefaults) {
    test::PrivateProfile::RemoveProfile();
    ExpectDefaults(SettingsDoc());

    const char* corrupt[] = {
        "\x01\x02garbage[[[\n=\n",
        "[InitialView]\nCapPosition=abc\nViewStyle=\nFont=zz\nCrLfStyle=9999999999999\n",
    };
    for (const char* text : corrupt) {
        std::filesystem::create_directories(test::PrivateProfile::ProfileFile().parent_path());
        std::ofstream(test::PrivateProfile::ProfileFile(), std::ios::binary) << text;
        SettingsDoc doc;
        ExpectDefaults(doc);
    }
    test::PrivateProfile::RemoveProfile();
}

TEST(EncoderDocSettings, ValuesAreTakenAsTheyAre) {
    test::PrivateProfile::RemoveProfile();
    WriteProfileInt(u"InitialView", u"CapPosition", 7);
    WriteProfileInt(u"InitialView", u"ViewStyle", 2);
    SettingsDoc doc;
    EXPECT_EQ(doc.m_CapPosition, 7);
    EXPECT_EQ(doc.m_ViewStyle, MarkupStyle::Binary);
    test::PrivateProfile::RemoveProfile();
}

struct FontCase {
    const char16_t* description;
    int32_t fontSize;
    const char16_t* face;
    int32_t weight;
    bool italic;
    bool underline;
    uint8_t charSet;
};

TEST(EncoderDocSettings, FontDescriptions) {
    const FontCase cases[] = {
        {u"01,Courier New,h120,w700,i1,u0,s0,c0", 120, u"Courier New", 700, true, false, 0},
        {u"01,Arial,h9000,w400,i0,u0,s0,c0", 100, u"Arial", 400, false, false, 0},
        {u"01,Arial,h0,w400,i0,u0,s0,c0", 100, u"Arial", 400, false, false, 0},
        {u"01,Arial,h5000,w400,i0,u1,s0,c0", 5000, u"Arial", 400, false, true, 0},
        // i255 takes '2' (bit 0 clear) and stops: underline, strike-out and charset stay 0.
        {u"01,Arial,h140,w700,i255,u1,s1,c2", 140, u"Arial", 700, false, false, 0},
        // Nothing readable: FontSize and FontFace.
        {u"", 100, u"ARIAL", 0, false, false, 1},
        {u"garbage", 100, u"ARIAL", 0, false, false, 1},
    };
    for (const FontCase& c : cases) {
        SettingsDoc doc;
        doc.ApplyFontDescription(c.description);
        const LogFont& lf = doc.m_Font.logFont();
        const std::string what(c.description,
                               c.description + std::char_traits<char16_t>::length(c.description));
        EXPECT_EQ(doc.m_FontSize, c.fontSize) << what;
        EXPECT_EQ(lf.faceName, c.face) << what;
        EXPECT_EQ(lf.weight, c.weight) << what;
        EXPECT_EQ(lf.italic, c.italic) << what;
        EXPECT_EQ(lf.underline, c.underline) << what;
        EXPECT_EQ(lf.charSet, c.charSet) << what;
        EXPECT_FALSE(doc.m_Font.empty());
    }
}

TEST(EncoderDocSettings, OverlongFaceIsCutNotOverrun) {
    SettingsDoc doc;
    const std::u16string face(40, u'Q');
    doc.ApplyFontDescription(u"01," + face + u",h120,w700,i1,u0,s0,c0");
    EXPECT_EQ(doc.m_Font.logFont().faceName, std::u16string(31, u'Q'));
    EXPECT_EQ(doc.m_FontSize, 100);  // the size was never read
}

TEST(EncoderDocSettings, WrittenDescriptionResetsAnInsaneSize) {
    SettingsDoc doc;
    doc.m_FontSize = 9000;
    EXPECT_EQ(doc.FontDescription(), u"01,ARIAL,h100,w0,i0,u0,s0,c1");
    EXPECT_EQ(doc.m_FontSize, 100);
}

}  // namespace
}  // namespace tsy
