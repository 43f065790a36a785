#include "document/archive_fields.h"
#include "symbologies/qr/qr_doc.h"
#include "symbologies/type_sections.h"

namespace tsy {
namespace {

constexpr int32_t kLastModel = 1;
constexpr int32_t kDefaultModel = 1;
constexpr int32_t kLastLevel = 3;  // 0 M, 1 L, 2 H, 3 Q
constexpr int32_t kDefaultLevel = 1;

}  // namespace

void StoreTypeSection(CArchive& ar, const CQRDoc& doc) {
    WriteInt32Flag(ar, doc.m_ReverseVideo != 0);
    ar << doc.m_Model << doc.m_ErrorCorrectionLevel;
}

void LoadTypeSection(CArchive& ar, CQRDoc& doc) {
    doc.m_ReverseVideo = ReadInt32Flag(ar) ? 1 : 0;
    doc.m_Model = ReadInt32InRange(ar, 0, kLastModel, kDefaultModel);
    doc.m_ErrorCorrectionLevel = ReadInt32InRange(ar, 0, kLastLevel, kDefaultLevel);
}

}  // namespace tsy
