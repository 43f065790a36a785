// The document file layout: round trips, older versions, corrections and damaged data.
#include <gtest/gtest.h>

#include <cmath>

#include "document/archive_fields.h"
#include "document/archive_picture.h"
#include "document/class_ids.h"
#include "document/compound_file.h"
#include "document/encoder_doc_serialize.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/document_serialize.h"
#include "symbologies/files/file_test_support.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

namespace fs = std::filesystem;
using test::BaseFields;

std::string Code39Archive(const BaseFields& base, int32_t check = 0, int32_t menu = 0) {
    CArchive ar = CArchive::ForStoring();
    ar << check << menu;
    base.Write(ar);
    return ar.TakeBuffer();
}

std::unique_ptr<CEncoderDoc> OpenFlat(const std::string& archive, std::u16string_view ext,
                                      std::string* error = nullptr) {
    std::string local;
    return OpenDocumentBytes(archive, ext, error ? error : &local);
}

TEST(DocumentFile, Code39RoundTripsThroughAFile) {
    test::TempDir dir;
    CCode39Doc doc;
    doc.m_Message = u"ABC";
    doc.m_CheckCharacter = 1;
    doc.m_ElementWidth = 15;
    doc.m_SymbolHeight = 700;
    doc.ApplyFontDescription(u"01,Courier New,h120,w700,i1,u0,s0,c0");
    ASSERT_TRUE(doc.BuildSymbol());
    std::string error;
    const fs::path path = dir.path() / "abc.C39";
    ASSERT_TRUE(SaveDocument(doc, path, &error)) << error;

    auto back = OpenDocument(path, &error);
    ASSERT_TRUE(back) << error;
    auto* c39 = dynamic_cast<CCode39Doc*>(back.get());
    ASSERT_TRUE(c39);
    EXPECT_EQ(c39->m_Message, u"ABC");
    EXPECT_EQ(c39->m_CheckCharacter, 1);
    EXPECT_EQ(c39->m_MenuCode, 0);
    EXPECT_EQ(c39->m_ElementWidth, 15);
    EXPECT_EQ(c39->m_ElementHeight, 500);
    EXPECT_EQ(c39->m_SymbolHeight, 700);
    EXPECT_EQ(c39->m_Codepage, 20127);
    EXPECT_EQ(c39->m_Version, 301);
    EXPECT_EQ(c39->m_FontSize, 120);
    EXPECT_EQ(c39->m_Font, doc.m_Font);
    EXPECT_EQ(StoredFontDescription(*c39), u"01,Courier New,h120,w700,i1,u0,s0,c0");
    EXPECT_EQ(StoreDocumentBytes(*c39), StoreDocumentBytes(doc));
}

TEST(DocumentFile, TextIsWrittenTaggedAndReadInBothForms) {
    CArchive ar = CArchive::ForStoring();
    ar << std::u16string_view(u"AB");
    EXPECT_EQ(ar.Buffer(), std::string("\xFF\xFE\xFF\x02"
                                       "A\0B\0",
                                       8));
    BaseFields base;
    base.version = 150;
    std::string archive = Code39Archive(base);
    // Swap the tagged message for the single-byte form of older files.
    const std::string tagged(
        "\xFF\xFE\xFF\x03"
        "A\0B\0C\0",
        10);
    archive.replace(archive.find(tagged), tagged.size(),
                    std::string("\x02"
                                "AB",
                                3));
    auto doc = OpenFlat(archive, u".C39");
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_Message, u"AB");
}

TEST(DocumentFile, Version150HasNoLaterFields) {
    BaseFields base;
    base.version = 150;
    base.fontSize = 140;
    base.message = u"A\r\nB";
    auto doc = OpenFlat(Code39Archive(base), u".c39");
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_Version, 150);
    EXPECT_EQ(doc->m_Codepage, 20127);  // 0 from the file, then the build's default
    EXPECT_EQ(doc->m_Eci, -1);
    EXPECT_EQ(doc->m_UseEci, 0);
    EXPECT_EQ(doc->m_ViewStyle, MarkupStyle::Bracket);
    EXPECT_EQ(doc->m_CrLfStyle, EnterMode::CrLf);
    EXPECT_FALSE(doc->m_AddMessage);
    EXPECT_EQ(doc->m_Font, Font::CreatePointFont(140, u"ARIAL"));
    // Raw line ends of an older message become markup, keeping the line break as layout.
    EXPECT_EQ(doc->m_Message, u"A[ CR][ LF]\r\nB");
}

TEST(DocumentFile, Version200ReadsCodepageButNotStyle) {
    BaseFields base;
    base.version = 200;
    base.codepage = 1252;
    base.eci = 3;
    base.useEci = 1;
    base.viewStyle = 1;  // not written for version 200
    auto doc = OpenFlat(Code39Archive(base), u".C39");
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_Codepage, 1252);
    EXPECT_EQ(doc->m_Eci, 3);
    EXPECT_EQ(doc->m_UseEci, 1);
    EXPECT_EQ(doc->m_ViewStyle, MarkupStyle::Bracket);
}

// Newer messages are already markup; formatting them again would double the backslashes.
TEST(DocumentFile, CurrentMessagesAreNotFormattedAgain) {
    BaseFields base;
    base.viewStyle = 1;  // C style
    base.message = u"C:\\\\temp\\\\data\\r\\n\r\nX";
    auto doc = OpenFlat(Code39Archive(base), u".C39");
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->m_Message, base.message);
    EXPECT_EQ(doc->m_ViewStyle, MarkupStyle::C);
}

std::string Code128Archive(int32_t version, int32_t trailingFnc3, const std::string& trailer) {
    CArchive ar = CArchive::ForStoring();
    ar << int32_t{0} << std::u16string_view() << std::u16string_view() << uint8_t{0} << uint8_t{0};
    ar << trailingFnc3 << int32_t{0};
    BaseFields base;
    base.version = version;
    base.Write(ar);
    ar.WriteBytes(trailer.data(), trailer.size());
    return ar.TakeBuffer();
}

TEST(DocumentFile, Code128LeadingTildeFollowsTheVersion) {
    const std::string one("\x01\0\0\0", 4), zero("\0\0\0\0", 4);
    struct Case {
        int32_t version, trailingFnc3;
        std::string trailer;
        int32_t tilde;
    } cases[] = {
        {300, 1, "", 1},    // older files: the trailing FNC3 meant the tilde as well
        {300, 1, zero, 1},  // a version-300 trailer is not read
        {301, 1, zero, 0},
        {301, 0, one, 1},
        {301, 1, "", 1},  // missing trailer keeps the copied value
        {301, 1, std::string("\x00\x00", 2), 1},
    };
    for (const Case& c : cases) {
        auto doc = OpenFlat(Code128Archive(c.version, c.trailingFnc3, c.trailer), u".128");
        ASSERT_TRUE(doc) << c.version;
        auto* d = dynamic_cast<CCode128Doc*>(doc.get());
        ASSERT_TRUE(d);
        EXPECT_EQ(d->m_TrailingFnc3, c.trailingFnc3);
        EXPECT_EQ(d->m_LeadingTilde, c.tilde) << c.version << " " << c.trailer.size();
    }
}

TEST(DocumentFile, OutOfRangeBaseFieldsAreCorrected) {
    struct Case {
        const char* name;
        void (*change)(BaseFields&);
        bool (*check)(const CEncoderDoc&);
    } cases[] = {
        {"element width 0", [](BaseFields& b) { b.elementWidth = 0; },
         [](const CEncoderDoc& d) { return d.m_ElementWidth == 10; }},
        {"element width 2000", [](BaseFields& b) { b.elementWidth = 2000; },
         [](const CEncoderDoc& d) { return d.m_ElementWidth == 10; }},
        {"element height -5", [](BaseFields& b) { b.elementHeight = -5; },
         [](const CEncoderDoc& d) { return d.m_ElementHeight == 10; }},
        {"wide ratio 1.0", [](BaseFields& b) { b.wideRatio = 1.0f; },
         [](const CEncoderDoc& d) { return d.m_WideRatio == 2.5f; }},
        {"wide ratio NaN", [](BaseFields& b) { b.wideRatio = std::nanf(""); },
         [](const CEncoderDoc& d) { return d.m_WideRatio == 2.5f; }},
        {"caption position 7", [](BaseFields& b) { b.capPosition = 7; },
         [](const CEncoderDoc& d) { return d.m_CapPosition == 1; }},
        {"font size 9000", [](BaseFields& b) { b.fontSize = 9000; },
         [](const CEncoderDoc& d) { return d.m_FontSize == 100; }},
        {"undercut 21", [](BaseFields& b) { b.undercut = 21; },
         [](const CEncoderDoc& d) { return d.m_Undercut == 0; }},
        {"symbol height 0", [](BaseFields& b) { b.symbolHeight = 0; },
         [](const CEncoderDoc& d) { return d.m_SymbolHeight == 500; }},
        {"symbol height 2^31-1", [](BaseFields& b) { b.symbolHeight = INT32_MAX; },
         [](const CEncoderDoc& d) { return d.m_SymbolHeight == 500; }},
        {"view style 3", [](BaseFields& b) { b.viewStyle = 3; },
         [](const CEncoderDoc& d) { return d.m_ViewStyle == MarkupStyle::Bracket; }},
        {"enter mode -1", [](BaseFields& b) { b.crLfStyle = -1; },
         [](const CEncoderDoc& d) { return d.m_CrLfStyle == EnterMode::CrLf; }},
        {"ECI 1000000", [](BaseFields& b) { b.eci = 1000000; },
         [](const CEncoderDoc& d) { return d.m_Eci == -1; }},
        {"ECI -2", [](BaseFields& b) { b.eci = -2; },
         [](const CEncoderDoc& d) { return d.m_Eci == -1; }},
        {"ECI 999999 kept", [](BaseFields& b) { b.eci = 999999; },
         [](const CEncoderDoc& d) { return d.m_Eci == 999999; }},
        {"wide ratio 20 kept", [](BaseFields& b) { b.wideRatio = 20.0f; },
         [](const CEncoderDoc& d) { return d.m_WideRatio == 20.0f; }},
    };
    for (const Case& c : cases) {
        BaseFields base;
        c.change(base);
        std::string error;
        CCode128Doc doc;  // keeps the ratio the file gives (Code 39 builds reset it)
        CArchive ar = CArchive::ForStoring();
        ar << int32_t{0} << std::u16string_view() << std::u16string_view() << uint8_t{0}
           << uint8_t{0} << int32_t{0} << int32_t{0};
        base.Write(ar);
        ASSERT_TRUE(LoadDocumentBytes(ar.Buffer(), doc, &error)) << c.name << ": " << error;
        EXPECT_TRUE(c.check(doc)) << c.name;
    }
}

// The type sections as they would be written, with one field replaced.
template <class Doc>
std::unique_ptr<Doc> LoadSection(const std::function<void(CArchive&)>& section) {
    CArchive ar = CArchive::ForStoring();
    section(ar);
    BaseFields{}.Write(ar);
    auto doc = std::make_unique<Doc>();
    std::string error;
    EXPECT_TRUE(LoadDocumentBytes(ar.Buffer(), *doc, &error)) << error;
    return doc;
}

TEST(DocumentFile, OutOfRangeTypeFieldsAreCorrected) {
    auto aztec = [](int32_t type, int32_t ec, int32_t symbols, std::u16string id) {
        return LoadSection<CAztecDoc>([=](CArchive& ar) {
            ar << type << int32_t{7} << ec << symbols << std::u16string_view(id);
        });
    };
    const std::u16string id24(24, u'x'), id25(25, u'x');
    struct AztecCase {
        int32_t type, ec, symbols;
        std::u16string id;
        int32_t wantType, wantEc, wantSymbols;
        std::u16string wantId;
    } aztecCases[] = {
        {2, 99, 9, id24, 2, 99, 9, id24},    {3, 100, 10, id25, 0, 0, 1, u""},
        {-1, 104, 0, u"A", 0, 104, 1, u"A"}, {1, 105, 5, u"", 1, 0, 5, u""},
        {0, 201, 1, u"", 0, 201, 1, u""},    {0, 232, 1, u"", 0, 232, 1, u""},
        {0, 233, 1, u"", 0, 0, 1, u""},      {0, 300, 1, u"", 0, 0, 1, u""},
        {0, -1, 1, u"", 0, 0, 1, u""},
    };
    for (const AztecCase& c : aztecCases) {
        auto d = aztec(c.type, c.ec, c.symbols, c.id);
        EXPECT_EQ(d->m_SymbolType, c.wantType);
        EXPECT_EQ(d->m_ReverseVideo, 1);  // any non-zero flag reads as set
        EXPECT_EQ(d->m_ErrorCorrection, c.wantEc) << c.ec;
        EXPECT_EQ(d->m_SymbolCount, c.wantSymbols);
        EXPECT_EQ(d->m_AppendId, c.wantId);
    }

    struct Pdf {
        int32_t level, columns, wantLevel, wantColumns;
    } pdfCases[] = {{8, 30, 8, 30}, {9, 31, 4, 2}, {-1, 0, 4, 2}, {0, 1, 0, 1}};
    for (const Pdf& c : pdfCases) {
        auto d = LoadSection<CPDF417Doc>(
            [&](CArchive& ar) { ar << c.level << int32_t{0} << c.columns; });
        EXPECT_EQ(d->m_ErrorCorrectionLevel, c.wantLevel);
        EXPECT_EQ(d->m_DataColumns, c.wantColumns);
    }

    struct Qr {
        int32_t model, level, wantModel, wantLevel;
    } qrCases[] = {{0, 3, 0, 3}, {2, 4, 1, 1}, {-1, -1, 1, 1}};
    for (const Qr& c : qrCases) {
        auto d = LoadSection<CQRDoc>([&](CArchive& ar) { ar << int32_t{0} << c.model << c.level; });
        EXPECT_EQ(d->m_Model, c.wantModel);
        EXPECT_EQ(d->m_ErrorCorrectionLevel, c.wantLevel);
    }

    struct Menu {
        std::u16string data, offset;
        uint8_t opcode, id;
        std::u16string wantData, wantOffset;
        uint8_t wantOpcode, wantId;
    } menuCases[] = {
        {u"12345678", u"FFF", 7, 106, u"12345678", u"FFF", 7, 106},
        {u"123456789", u"FFFF", 8, 107, u"", u"", 0, 0},
        {u"", u"", 255, 255, u"", u"", 0, 0},
    };
    for (const Menu& c : menuCases) {
        auto d = LoadSection<CCode128Doc>([&](CArchive& ar) {
            ar << int32_t{1} << std::u16string_view(c.data) << std::u16string_view(c.offset)
               << c.opcode << c.id << int32_t{0} << int32_t{0};
        });
        EXPECT_EQ(d->m_MenuData, c.wantData);
        EXPECT_EQ(d->m_MenuOffset, c.wantOffset);
        EXPECT_EQ(d->m_MenuOpcode, c.wantOpcode);
        EXPECT_EQ(d->m_MenuId, c.wantId);
    }
}

TEST(DocumentFile, ADocumentWithoutPictureKeepsTheFollowingFieldsInPlace) {
    CCode39Doc doc;  // never built: no picture
    doc.m_Codepage = 1252;
    doc.m_Eci = 5;
    const std::string bytes = StoreDocumentBytes(doc);
    // check, menu, message, caption, 10 fields of 4 bytes, then the picture
    const std::size_t picture = 8 + 4 + 4 + 40;
    EXPECT_EQ(bytes.substr(picture, 10), std::string("\x01\0\0\0\x01\0\0\0\0\0", 10));
    CCode39Doc back;
    std::string error;
    ASSERT_TRUE(LoadDocumentBytes(bytes, back, &error)) << error;
    EXPECT_EQ(back.m_Version, 301);
    EXPECT_EQ(back.m_Codepage, 1252);
    EXPECT_EQ(back.m_Eci, 5);
    EXPECT_EQ(StoreDocumentBytes(back).substr(picture + 10), bytes.substr(picture + 10));
}

// Picture rows are padded with zero bits, whatever the width leaves over in the last word.
TEST(DocumentFile, PictureRowsArePaddedWithZeroBits) {
    int padding = 0;
    for (const char16_t* message : {u"A", u"AB", u"ABC1", u"WIDTH-17"}) {
        CCode39Doc doc;
        doc.m_Message = message;
        doc.m_Caption.clear();
        ASSERT_TRUE(doc.BuildSymbol());
        const RgbImage& shown = doc.m_Picture.Picture();
        const std::string bytes = StoreDocumentBytes(doc);
        CArchive ar = CArchive::ForLoading(bytes);
        ar.ReadInt32();
        ar.ReadInt32();
        ar.ReadText();
        ar.ReadText();
        for (int i = 0; i < 10; ++i) ar.ReadInt32();
        const std::optional<Bitmap1> stored = ReadPicture(ar);
        ASSERT_TRUE(stored);
        ASSERT_EQ(stored->width, shown.width);
        ASSERT_EQ(stored->height, shown.height);
        for (int y = 0; y < stored->height; ++y) {
            for (int x = 0; x < stored->stride() * 8; ++x) {
                if (x >= stored->width) {
                    ++padding;
                    EXPECT_TRUE(stored->isBlack(x, y)) << x << "," << y;
                } else {
                    ASSERT_EQ(stored->isBlack(x, y), !shown.isWhite(x, y)) << x << "," << y;
                }
            }
        }
    }
    EXPECT_GT(padding, 0);
}

TEST(DocumentFile, FlatArchiveOpensLikeTheCompoundFile) {
    test::TempDir dir;
    CQRDoc doc;
    doc.m_Message = u"flat or compound";
    doc.m_ErrorCorrectionLevel = 2;
    ASSERT_TRUE(doc.BuildSymbol());
    std::string error;
    ASSERT_TRUE(SaveDocument(doc, dir.path() / "c.qr", &error)) << error;
    test::WriteFile(dir.path() / "f.qr", StoreDocumentBytes(doc));
    EXPECT_TRUE(HasCompoundFileSignature(test::ReadFile(dir.path() / "c.qr")));

    auto compound = OpenDocument(dir.path() / "c.qr", &error);
    auto flat = OpenDocument(dir.path() / "f.qr", &error);
    ASSERT_TRUE(compound && flat) << error;
    EXPECT_EQ(StoreDocumentBytes(*flat), StoreDocumentBytes(*compound));
    EXPECT_EQ(flat->Kind(), DocumentKind::QR);
}

TEST(DocumentFile, TheClassIdentifierWinsOverTheExtension) {
    test::TempDir dir;
    CCode39Doc doc;
    doc.m_Message = u"X";
    std::string error;
    ASSERT_TRUE(SaveDocument(doc, dir.path() / "named.qr", &error));
    auto back = OpenDocument(dir.path() / "named.qr", &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->Kind(), DocumentKind::Code39);
    // A flat file has only its extension to go by.
    test::WriteFile(dir.path() / "flat.txt", StoreDocumentBytes(doc));
    EXPECT_FALSE(OpenDocument(dir.path() / "flat.txt", &error));
    EXPECT_EQ(error, "Unexpected file format.");
}

TEST(DocumentFile, FailuresAreReportedWithTheirTexts) {
    BaseFields base;
    const std::string full = Code39Archive(base);
    // version, then 12 bytes of code page and ECI, 9 of style, flag and enter mode, 4 of font
    const std::size_t version = full.size() - 4 - 12 - 9 - 4;  // the font text is empty
    ASSERT_EQ(full.substr(version, 4), std::string("\x2D\x01\0\0", 4));
    std::string lengthTooLong = full;
    lengthTooLong[8 + 3] = '\xFE';  // message length 254 with 6 bytes following
    struct Case {
        const char* name;
        std::string bytes;
        bool opens;
    } cases[] = {
        {"empty", "", false},
        {"inside the type section", full.substr(0, 6), false},
        {"inside the picture bits", full.substr(0, version - 1), false},
        {"at the version", full.substr(0, version), true},  // the guarded block starts there
        {"inside the version", full.substr(0, version + 2), true},
        {"after the version", full.substr(0, version + 4), true},
        {"inside the font text", full.substr(0, full.size() - 1), true},
        {"text longer than the data", lengthTooLong, false},
    };
    for (const Case& c : cases) {
        std::string error;
        auto doc = OpenFlat(c.bytes, u".C39", &error);
        EXPECT_EQ(doc != nullptr, c.opens) << c.name;
        if (!c.opens) {
            EXPECT_EQ(error, "Unexpected file format.") << c.name;
        }
    }
    std::string error;
    EXPECT_FALSE(OpenDocument("/nonexistent/folder/x.C39", &error));
    EXPECT_EQ(error, "Failed to open document.");
    const auto noContents = BuildCompoundFile(kCode39ClassId, "");
    ASSERT_TRUE(noContents);
    EXPECT_FALSE(OpenFlat(*noContents, u".C39", &error));
    EXPECT_EQ(error, "Unexpected file format.");
}

TEST(DocumentFile, APictureThatCannotBeMadeEndsTheBaseSection) {
    struct Case {
        int32_t width, height;
    } cases[] = {
        {0, 1},
        {40000, 1},
        {1, -3},
        {32767, 2800},  // bits within the file, but its screen form beyond the picture limits
    };
    for (const Case& c : cases) {
        BaseFields base;
        base.pictureWidth = c.width;
        base.pictureHeight = c.height;
        base.codepage = 1252;
        auto doc = OpenFlat(Code39Archive(base, 1), u".C39");
        ASSERT_TRUE(doc) << c.width;
        EXPECT_EQ(doc->m_Message, u"ABC");
        EXPECT_EQ(doc->m_Codepage, 20127);  // not read; the build chose its default
    }
    BaseFields base;
    base.pictureWidth = 32767;
    base.pictureHeight = 32767;
    base.pictureBits = false;
    std::string error;
    EXPECT_FALSE(OpenFlat(Code39Archive(base), u".C39", &error));
    EXPECT_EQ(error, "Unexpected file format.");
}

}  // namespace
}  // namespace tsy
