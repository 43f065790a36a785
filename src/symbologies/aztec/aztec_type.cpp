// The Aztec document type: its row and its file section.
#include "document/archive_fields.h"
#include "document/class_ids.h"
#include "encoders/aztec/aztec_encoder.h"
#include "message/codepage_table.h"
#include "symbologies/aztec/aztec_doc.h"

namespace tsy {

constinit const DocumentType kAztecDocumentType{
    DocumentKind::Aztec,
    129,
    u"Aztec",
    u"Aztec Barcode (*.azt)",
    u".azt",
    u"BarcodeAztec",
    u"Barcode Symbol - Aztec",
    kAztecClassId,
    {.elementWidth = 25,
     .elementHeight = 25,
     .symbolHeight = 250,
     .moduleRows = 1,
     .useEci = 1,
     .codepage = CP_ISO8859_1},
    4000,
    {250, 250},
    &MakeDocument<CAztecDoc>,
};

namespace {

// The error-correction field is handed to the encoder as its size choice: a percentage or one
// of the fixed compact and full-range sizes. Anything else would give no symbol at all.
bool IsStoredSizeChoice(int32_t v) {
    return (v >= aztec::kAztecDefaultCorrection && v <= CAztecDoc::kMaxCorrectionPercent) ||
           (v >= aztec::AztecCompactSize(1) && v <= aztec::AztecCompactSize(4)) ||
           (v >= aztec::AztecFullRangeSize(1) && v <= aztec::AztecFullRangeSize(32));
}

}  // namespace

void CAztecDoc::StoreTypeSection(CArchive& ar) const {
    ar << m_SymbolType;
    WriteInt32Flag(ar, m_ReverseVideo != 0);
    ar << m_ErrorCorrection << m_SymbolCount << m_AppendId;
}

void CAztecDoc::LoadTypeSection(CArchive& ar) {
    m_SymbolType = ReadInt32InRange(ar, kAztecTypeNormal, kAztecTypeRune, kAztecTypeNormal);
    m_ReverseVideo = ReadInt32Flag(ar) ? 1 : 0;
    const int32_t correction = ar.ReadInt32();
    m_ErrorCorrection =
        IsStoredSizeChoice(correction) ? correction : aztec::kAztecDefaultCorrection;
    m_SymbolCount = ReadInt32InRange(ar, 1, MaxSymbolCount(), 1);
    m_AppendId = ReadTextAtMost(ar, kAztecAppendIdMax);
}

}  // namespace tsy
