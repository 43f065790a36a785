#include "document/archive_fields.h"
#include "encoders/aztec/aztec_encoder.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/type_sections.h"

namespace tsy {
namespace {

constexpr int32_t kMaxSymbols = 9;
constexpr int32_t kMaxCorrectionPercent = 99;

// The error-correction field is handed to the encoder as its size choice: a percentage or one
// of the fixed compact and full-range sizes. Anything else would give no symbol at all.
bool IsStoredSizeChoice(int32_t v) {
    return (v >= aztec::kAztecDefaultCorrection && v <= kMaxCorrectionPercent) ||
           (v >= aztec::AztecCompactSize(1) && v <= aztec::AztecCompactSize(4)) ||
           (v >= aztec::AztecFullRangeSize(1) && v <= aztec::AztecFullRangeSize(32));
}

}  // namespace

void StoreTypeSection(CArchive& ar, const CAztecDoc& doc) {
    ar << doc.m_SymbolType;
    WriteInt32Flag(ar, doc.m_ReverseVideo != 0);
    ar << doc.m_ErrorCorrection << doc.m_SymbolCount << doc.m_AppendId;
}

void LoadTypeSection(CArchive& ar, CAztecDoc& doc) {
    doc.m_SymbolType = ReadInt32InRange(ar, kAztecTypeNormal, kAztecTypeRune, kAztecTypeNormal);
    doc.m_ReverseVideo = ReadInt32Flag(ar) ? 1 : 0;
    const int32_t correction = ar.ReadInt32();
    doc.m_ErrorCorrection =
        IsStoredSizeChoice(correction) ? correction : aztec::kAztecDefaultCorrection;
    doc.m_SymbolCount = ReadInt32InRange(ar, 1, kMaxSymbols, 1);
    doc.m_AppendId = ReadTextAtMost(ar, kAztecAppendIdMax);
}

}  // namespace tsy
