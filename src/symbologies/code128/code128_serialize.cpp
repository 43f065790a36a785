#include "document/archive_fields.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/type_sections.h"

namespace tsy {
namespace {

constexpr std::size_t kMaxMenuData = 8;    // hexadecimal digits
constexpr std::size_t kMaxMenuOffset = 3;  // hexadecimal digits
constexpr uint8_t kMaxMenuOpcode = 7;
constexpr uint8_t kMaxMenuId = 106;

}  // namespace

void StoreTypeSection(CArchive& ar, const CCode128Doc& doc) {
    WriteInt32Flag(ar, doc.m_Menu128 != 0);
    ar << doc.m_MenuData << doc.m_MenuOffset << doc.m_MenuOpcode << doc.m_MenuId;
    WriteInt32Flag(ar, doc.m_TrailingFnc3 != 0);
    WriteInt32Flag(ar, doc.m_LeadingFnc3 != 0);
}

void LoadTypeSection(CArchive& ar, CCode128Doc& doc) {
    doc.m_Menu128 = ReadInt32Flag(ar) ? 1 : 0;
    doc.m_MenuData = ReadTextAtMost(ar, kMaxMenuData);
    doc.m_MenuOffset = ReadTextAtMost(ar, kMaxMenuOffset);
    doc.m_MenuOpcode = ReadByteInRange(ar, 0, kMaxMenuOpcode, 0);
    doc.m_MenuId = ReadByteInRange(ar, 0, kMaxMenuId, 0);
    doc.m_TrailingFnc3 = ReadInt32Flag(ar) ? 1 : 0;
    doc.m_LeadingFnc3 = ReadInt32Flag(ar) ? 1 : 0;
}

void StoreCode128Trailer(CArchive& ar, const CCode128Doc& doc) {
    WriteInt32Flag(ar, doc.m_LeadingTilde != 0);
}

void LoadCode128Trailer(CArchive& ar, CCode128Doc& doc) {
    doc.m_LeadingTilde = doc.m_TrailingFnc3;
    if (doc.m_Version < kVersionWithCode128Trailer) return;
    ReadGuarded([&] { doc.m_LeadingTilde = ReadInt32Flag(ar) ? 1 : 0; });
}

}  // namespace tsy
