#include "symbologies/aztec/aztec_animated_doc.h"

#include <gtest/gtest.h>

#include <string>

#include "document/archive.h"
#include "platform/profile.h"
#include "support/private_profile.h"
#include "symbologies/document_serialize.h"

namespace tsy {
namespace {

// Three symbols of 19 x 19 modules at 2 pixels a module (96 dpi, 25 mil).
constexpr char16_t kThreeBy19[] = u"ANIMATED AZTEC SEQUENCE 0123456789";

bool BuildThreeBy19(CAztecAnimatedDoc& doc) {
    doc.m_Message = kThreeBy19;
    doc.m_SymbolCount = 3;
    return doc.BuildSymbol();
}

TEST(AztecAnimation, FramesAreCutWhereTheSymbolsAre) {
    struct Row {
        int32_t width, height, module, symbols;
        AnimationFrames expected;
    };
    const Row rows[] = {
        {118, 38, 2, 3, {3, 38, 38, 40}},  // columns 0, 40, 80, each 38 wide
        {59, 19, 1, 3, {3, 19, 19, 20}},
        {30, 30, 2, 1, {1, 30, 30, 32}},
        {1180, 380, 20, 3, {3, 380, 380, 400}},
        {117, 38, 2, 3, {}},  // not a whole number of modules
        {118, 38, 2, 7, {}},  // 59 modules are no set of 7
        {2, 2, 2, 2, {}},
        {118, 38, 0, 3, {}},
        {118, 38, 2, 0, {}},
    };
    for (const Row& r : rows) {
        const AnimationFrames f = CutAnimationFrames(r.width, r.height, r.module, r.symbols);
        EXPECT_EQ(f, r.expected) << r.width << " " << r.module << " " << r.symbols;
        if (f.count > 0) {
            EXPECT_LE((f.count - 1) * f.step + f.width, r.width);
        }
    }
}

TEST(AztecAnimatedDoc, BuildKeepsTheStripAndTheFrameSize) {
    CAztecAnimatedDoc doc;
    ASSERT_TRUE(BuildThreeBy19(doc));
    EXPECT_EQ(doc.Strip().width, 118);
    EXPECT_EQ(doc.Strip().height, 38);
    EXPECT_EQ(doc.Frames(), (AnimationFrames{3, 38, 38, 40}));
    EXPECT_EQ(doc.m_InfoText, u"38x38");
    EXPECT_EQ(doc.m_ModuleColumns, 59);
    EXPECT_EQ(doc.m_ModuleRows, 19);
}

// A strip that is not the last build of the present symbol count is never cut.
TEST(AztecAnimatedDoc, WriteRefusesWhatTheLastBuildDidNotMake) {
    CAztecAnimatedDoc doc;
    ASSERT_TRUE(BuildThreeBy19(doc));

    doc.m_ErrorCorrection = 150;  // no such size: the build fails
    EXPECT_FALSE(doc.BuildSymbol());
    EXPECT_TRUE(doc.Strip().empty());
    EXPECT_TRUE(doc.m_InfoText.empty());
    std::string bytes, error;
    EXPECT_FALSE(doc.EncodeGif(&bytes, &error));
    EXPECT_FALSE(error.empty());

    doc.m_ErrorCorrection = 0;
    ASSERT_TRUE(doc.BuildSymbol());
    doc.m_SymbolCount = 2;  // not rebuilt
    EXPECT_FALSE(doc.EncodeGif(&bytes, &error));

    doc.m_SymbolCount = 3;
    doc.m_SymbolType = kAztecTypeRune;  // one symbol whatever the count says
    doc.m_Message = u"7";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.Frames().count, 1);
    EXPECT_FALSE(doc.EncodeGif(&bytes, &error));

    doc.m_SymbolType = kAztecTypeNormal;
    doc.m_SymbolCount = 1;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_FALSE(doc.EncodeGif(&bytes, &error));
    EXPECT_FALSE(doc.WriteGif({}, &error));
}

TEST(AztecAnimatedDoc, AppendIdWithASpaceIsRefusedWithItsReason) {
    CAztecDoc plain;
    CAztecAnimatedDoc animated;
    for (CAztecDoc* doc : {&plain, static_cast<CAztecDoc*>(&animated)}) {
        doc->m_Message = u"HELLO WORLD 12345";
        doc->m_SymbolCount = 2;
        doc->m_AppendId = u"A B";
        EXPECT_FALSE(doc->BuildSymbol());
        EXPECT_EQ(doc->AppendIdError(),
                  u"the append ID \"A B\" contains a space, which readers take for the end of "
                  u"the ID.");
        doc->m_AppendId = u"AB";
        EXPECT_TRUE(doc->BuildSymbol());
        EXPECT_TRUE(doc->AppendIdError().empty());
    }
}

// Unlike the plain document, a menu symbol of the sequence keeps its code page and its ECI.
TEST(AztecAnimatedDoc, MenuSymbolsKeepCodepageAndEci) {
    CAztecAnimatedDoc doc;
    doc.m_SymbolType = kAztecTypeMenu;
    doc.m_SymbolCount = 2;
    doc.m_Codepage = 65001;
    doc.m_Eci = 26;
    doc.m_Message = u"MENU MENU";
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Codepage, 65001);
    bool escapes = false;
    EXPECT_EQ(doc.EncoderBytes(&escapes),
              "\x1b"
              "226MENU MENU");
    EXPECT_TRUE(escapes);

    doc.m_Codepage = 0;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(doc.m_Codepage, 28591);  // only a missing code page gets the default
}

TEST(AztecAnimatedDoc, SettingsPassFromAClosedDocumentToTheNext) {
    test::PrivateProfile::RemoveProfile();
    {
        CAztecAnimatedDoc doc;
        EXPECT_EQ(doc.m_SymbolCount, 1);
        EXPECT_EQ(doc.m_FrameTime, 100);
        EXPECT_EQ(doc.m_Loops, 0);
        doc.m_SymbolCount = 4;
        doc.m_AppendId = u"X";
        doc.m_Loops = 5;
        doc.m_FrameTime = 7;
        doc.m_AddCaption = 1;
        doc.m_OutputName = u"/tmp/seq.gif";
    }
    CAztecAnimatedDoc next;
    EXPECT_EQ(next.m_SymbolCount, 4);
    EXPECT_EQ(next.m_AppendId, u"X");
    EXPECT_EQ(next.m_Loops, 5);
    EXPECT_EQ(next.m_FrameTime, 7);
    EXPECT_EQ(next.m_AddCaption, 1);
    EXPECT_EQ(next.m_OutputName, u"/tmp/seq.gif");
}

TEST(AztecAnimatedDoc, SettingsOutsideTheGifFieldsAreClamped) {
    struct Row {
        const char16_t* entry;
        int stored;
        int32_t CAztecAnimatedDoc::*field;
        int32_t expected;
    };
    const Row rows[] = {
        {u"Symbols", 0, &CAztecAnimatedDoc::m_SymbolCount, 1},
        {u"Symbols", 40, &CAztecAnimatedDoc::m_SymbolCount, 26},
        {u"FrameTime", 0, &CAztecAnimatedDoc::m_FrameTime, 1},
        {u"FrameTime", 70000, &CAztecAnimatedDoc::m_FrameTime, 65535},
        {u"Loops", -7, &CAztecAnimatedDoc::m_Loops, 0},
        {u"Loops", 65536, &CAztecAnimatedDoc::m_Loops, 65535},
    };
    for (const Row& r : rows) {
        test::PrivateProfile::RemoveProfile();
        ASSERT_TRUE(WriteProfileInt(u"AztecAnimated", r.entry, r.stored));
        CAztecAnimatedDoc doc;
        EXPECT_EQ(doc.*r.field, r.expected) << r.stored;
    }
    test::PrivateProfile::RemoveProfile();
}

TEST(AztecAnimatedDoc, FileRoundTripBuildsTheSamePicture) {
    CAztecAnimatedDoc doc;
    doc.m_AppendId = u"SEQ";
    doc.m_Loops = 3;
    doc.m_FrameTime = 250;
    doc.m_AddCaption = 1;
    doc.m_ReverseVideo = 1;
    ASSERT_TRUE(BuildThreeBy19(doc));
    const std::string bytes = StoreDocumentBytes(doc);
    // The type section starts with the marker, loops, frame time and add caption.
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_EQ(bytes.substr(0, 16), std::string("\xd1\x07\0\0\x03\0\0\0\xfa\0\0\0\x01\0\0\0", 16));

    CAztecAnimatedDoc back;
    std::string error;
    ASSERT_TRUE(LoadDocumentBytes(bytes, back, &error)) << error;
    EXPECT_EQ(back.m_Loops, 3);
    EXPECT_EQ(back.m_FrameTime, 250);
    EXPECT_EQ(back.m_AddCaption, 1);
    EXPECT_EQ(back.m_SymbolCount, 3);
    EXPECT_EQ(back.m_AppendId, u"SEQ");
    EXPECT_EQ(back.m_Message, doc.m_Message);
    ASSERT_TRUE(back.BuildSymbol());
    EXPECT_EQ(back.Strip().bits, doc.Strip().bits);
    EXPECT_EQ(back.Frames(), doc.Frames());
}

TEST(AztecAnimatedDoc, FileValuesOutsideTheirRangesGetDefaults) {
    struct Row {
        int32_t loops, frameTime, symbols;
        int32_t expectLoops, expectFrameTime, expectSymbols;
    };
    const Row rows[] = {
        {65535, 65535, 26, 65535, 65535, 26},
        {-1, 0, 27, 0, 100, 1},
        {70000, 70000, 0, 0, 100, 1},
    };
    for (const Row& r : rows) {
        CAztecAnimatedDoc doc;
        doc.m_Message = u"A";
        doc.m_Loops = r.loops;
        doc.m_FrameTime = r.frameTime;
        doc.m_SymbolCount = r.symbols;
        CAztecAnimatedDoc back;
        std::string error;
        ASSERT_TRUE(LoadDocumentBytes(StoreDocumentBytes(doc), back, &error)) << error;
        EXPECT_EQ(back.m_Loops, r.expectLoops);
        EXPECT_EQ(back.m_FrameTime, r.expectFrameTime);
        EXPECT_EQ(back.m_SymbolCount, r.expectSymbols);
    }
    // The plain document's limit stays at 9.
    CAztecDoc plain;
    plain.m_Message = u"A";
    plain.m_SymbolCount = 26;
    CAztecDoc back;
    std::string error;
    ASSERT_TRUE(LoadDocumentBytes(StoreDocumentBytes(plain), back, &error)) << error;
    EXPECT_EQ(back.m_SymbolCount, 1);
}

}  // namespace
}  // namespace tsy
