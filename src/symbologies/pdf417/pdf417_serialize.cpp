#include "document/archive_fields.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/type_sections.h"

namespace tsy {
namespace {

constexpr int32_t kMaxLevel = 8;
constexpr int32_t kDefaultLevel = 4;
constexpr int32_t kMaxDataColumns = 30;  // the encoder's limit; the page offers 15
constexpr int32_t kDefaultDataColumns = 2;

}  // namespace

void StoreTypeSection(CArchive& ar, const CPDF417Doc& doc) {
    ar << doc.m_ErrorCorrectionLevel;
    WriteInt32Flag(ar, doc.m_Truncate != 0);
    ar << doc.m_DataColumns;
}

void LoadTypeSection(CArchive& ar, CPDF417Doc& doc) {
    doc.m_ErrorCorrectionLevel = ReadInt32InRange(ar, 0, kMaxLevel, kDefaultLevel);
    doc.m_Truncate = ReadInt32Flag(ar) ? 1 : 0;
    doc.m_DataColumns = ReadInt32InRange(ar, 1, kMaxDataColumns, kDefaultDataColumns);
}

}  // namespace tsy
