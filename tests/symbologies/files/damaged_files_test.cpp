// Truncated, bit-flipped and random files: opening fails with a known text or gives a document
// whose bounded fields are all within their ranges. Run it under the sanitizers too.
#include <gtest/gtest.h>

#include <random>

#include "document/compound_file.h"
#include "imaging/raster_limits.h"
#include "symbologies/aztec/aztec_animated_doc.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"
#include "symbologies/files/file_test_support.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {
namespace {

bool In(int64_t v, int64_t lo, int64_t hi) {
    return v >= lo && v <= hi;
}

bool AztecOk(const CAztecDoc& d) {
    const int32_t ec = d.m_ErrorCorrection;
    const auto* animated = dynamic_cast<const CAztecAnimatedDoc*>(&d);
    if (animated && !(In(animated->m_Loops, 0, 65535) && In(animated->m_FrameTime, 1, 65535)))
        return false;
    return In(d.m_SymbolType, 0, 2) && In(ec, 0, 99) + In(ec, 101, 104) + In(ec, 201, 232) == 1 &&
           In(d.m_SymbolCount, 1, animated ? 26 : 9) && d.m_AppendId.size() <= 24;
}

bool TypeFieldsOk(const CEncoderDoc& doc) {
    if (auto* d = dynamic_cast<const CAztecDoc*>(&doc)) return AztecOk(*d);
    if (auto* d = dynamic_cast<const CPDF417Doc*>(&doc))
        return In(d->m_ErrorCorrectionLevel, 0, 8) && In(d->m_DataColumns, 1, 30);
    if (auto* d = dynamic_cast<const CQRDoc*>(&doc))
        return In(d->m_ErrorCorrectionLevel, 0, 3) && In(d->m_Model, 0, 1);
    if (auto* d = dynamic_cast<const CCode128Doc*>(&doc))
        return In(d->m_MenuOpcode, 0, 7) && In(d->m_MenuId, 0, 106) && d->m_MenuData.size() <= 8 &&
               d->m_MenuOffset.size() <= 3;
    if (auto* d = dynamic_cast<const CZiggurDoc*>(&doc))
        return In(d->m_HostSymbology, 0, 5) && In(d->m_BarrierRows, 0, 1) &&
               In(d->m_Symmetry, 0, 2) && In(d->m_MenuSymbol, 0, 1) &&
               d->m_HostMessage.size() <= kZiggurHostTextMax;
    return dynamic_cast<const CCode39Doc*>(&doc) != nullptr;
}

bool BaseFieldsOk(const CEncoderDoc& d) {
    return In(d.m_CapPosition, 0, 3) && In(d.m_FontSize, 1, 5000) &&
           In(d.m_ElementWidth, 1, 1000) && In(d.m_ElementHeight, 1, 1000) &&
           d.m_WideRatio >= 1.1f && d.m_WideRatio <= 20.0f && In(d.m_Undercut, 0, 20) &&
           In(static_cast<int>(d.m_ViewStyle), 0, 2) && In(static_cast<int>(d.m_CrLfStyle), 0, 2) &&
           In(d.m_Eci, -1, 999999) && In(d.m_SymbolHeight, 1, 1'000'000'000);
}

void ExpectSoundResult(std::string_view bytes, std::u16string_view ext, const char* what) {
    std::string error;
    std::unique_ptr<CEncoderDoc> doc = OpenDocumentBytes(bytes, ext, &error);
    if (!doc) {
        EXPECT_TRUE(error == "Unexpected file format." || error == "Failed to open document.")
            << what << ": " << error;
        return;
    }
    EXPECT_TRUE(BaseFieldsOk(*doc)) << what;
    EXPECT_TRUE(TypeFieldsOk(*doc)) << what;
    if (doc->m_Picture.HasPicture()) {
        const RgbImage& p = doc->m_Picture.Picture();
        EXPECT_TRUE(PictureSizeOk(p.width, p.height)) << what;
    }
}

struct Seed {
    std::u16string extension;
    std::string flat;
    std::string compound;
};

std::vector<Seed> Seeds() {
    std::vector<Seed> seeds;
    for (const DocumentType& type : DocumentTypes()) {
        std::unique_ptr<CEncoderDoc> doc = type.create();
        if (!doc) continue;
        doc->m_Message = u"Ab1";
        doc->m_Caption = u"c";
        doc->BuildSymbol();
        Seed s{std::u16string(type.extension), StoreDocumentBytes(*doc), {}};
        s.compound = BuildCompoundFile(type.classId, s.flat).value_or("");
        seeds.push_back(std::move(s));
    }
    return seeds;
}

TEST(DamagedFiles, EveryTruncationOfAFlatArchive) {
    for (const Seed& s : Seeds())
        for (std::size_t n = 0; n < s.flat.size(); n += 1 + n / 64)
            ExpectSoundResult(std::string_view(s.flat).substr(0, n), s.extension, "truncated");
}

TEST(DamagedFiles, TruncatedCompoundFiles) {
    for (const Seed& s : Seeds())
        for (std::size_t n = 0; n < s.compound.size(); n += 97)
            ExpectSoundResult(std::string_view(s.compound).substr(0, n), s.extension, "cut");
}

std::string Flipped(std::string bytes, std::mt19937& rng) {
    const int flips = 1 + static_cast<int>(rng() % 8);
    for (int i = 0; i < flips && !bytes.empty(); ++i)
        bytes[rng() % bytes.size()] ^= static_cast<char>(1u << (rng() % 8));
    return bytes;
}

// Single bytes set to values that matter to lengths and sizes.
std::string Overwritten(std::string bytes, std::mt19937& rng) {
    static const uint8_t kValues[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
    if (!bytes.empty()) bytes[rng() % bytes.size()] = static_cast<char>(kValues[rng() % 6]);
    return bytes;
}

TEST(DamagedFiles, BitFlipsAndOverwrites) {
    std::mt19937 rng(1234);
    for (const Seed& s : Seeds()) {
        for (int i = 0; i < 400; ++i) {
            ExpectSoundResult(Flipped(s.flat, rng), s.extension, "flat flipped");
            ExpectSoundResult(Overwritten(s.flat, rng), s.extension, "flat overwritten");
        }
        for (int i = 0; i < 80; ++i) {
            ExpectSoundResult(Flipped(s.compound, rng), s.extension, "compound flipped");
            const auto wrapped = BuildCompoundFile(
                FindDocumentTypeByExtension(s.extension)->classId, Flipped(s.flat, rng));
            ExpectSoundResult(wrapped.value_or(""), s.extension, "contents flipped");
        }
    }
}

TEST(DamagedFiles, RandomBytes) {
    std::mt19937 rng(99);
    const Seed seed = Seeds().front();
    for (int i = 0; i < 300; ++i) {
        std::string bytes(rng() % 400, '\0');
        for (char& c : bytes) c = static_cast<char>(rng());
        // Some with the compound-file signature, to reach the container parser.
        if (i % 3 == 0 && bytes.size() >= 8) bytes.replace(0, 8, seed.compound.substr(0, 8));
        for (const DocumentType& type : DocumentTypes())
            if (i % 7 == 0 || type.kind == DocumentKind::Code128)
                ExpectSoundResult(bytes, type.extension, "random");
    }
}

}  // namespace
}  // namespace tsy
