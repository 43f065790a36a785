// The Code 128 document type: its row, its file section and the trailer after the base section.
#include "document/archive_fields.h"
#include "document/class_ids.h"
#include "message/codepage_table.h"
#include "symbologies/code128/code128_doc.h"

namespace tsy {

constinit const DocumentType kCode128DocumentType{
    DocumentKind::Code128,
    139,
    u"Code128",
    u"Code128 Barcode (*.128)",
    u".128",
    u"BarcodeCode128",
    u"Barcode Symbol - Code128",
    kCode128ClassId,
    {.elementWidth = 10,
     .elementHeight = 500,
     .symbolHeight = 500,
     .moduleRows = 1,
     .useEci = 0,
     .codepage = CP_ASCII},
    80,
    {75, 4000},
    &MakeDocument<CCode128Doc>,
};

void CCode128Doc::StoreTypeSection(CArchive& ar) const {
    WriteInt32Flag(ar, m_Menu128 != 0);
    ar << m_MenuData << m_MenuOffset << m_MenuOpcode << m_MenuId;
    WriteInt32Flag(ar, m_TrailingFnc3 != 0);
    WriteInt32Flag(ar, m_LeadingFnc3 != 0);
}

void CCode128Doc::LoadTypeSection(CArchive& ar) {
    m_Menu128 = ReadInt32Flag(ar) ? 1 : 0;
    m_MenuData = ReadTextAtMost(ar, kMaxMenuData);
    m_MenuOffset = ReadTextAtMost(ar, kMaxMenuOffset);
    m_MenuOpcode = ReadByteInRange(ar, 0, kMaxMenuOpcode, 0);
    m_MenuId = ReadByteInRange(ar, 0, kMaxMenuId, 0);
    m_TrailingFnc3 = ReadInt32Flag(ar) ? 1 : 0;
    m_LeadingFnc3 = ReadInt32Flag(ar) ? 1 : 0;
}

void CCode128Doc::StoreTrailer(CArchive& ar) const {
    WriteInt32Flag(ar, m_LeadingTilde != 0);
}

void CCode128Doc::LoadTrailer(CArchive& ar, bool baseComplete) {
    m_LeadingTilde = m_TrailingFnc3;
    if (!baseComplete || m_Version < kVersionWithCode128Trailer) return;
    ReadGuarded([&] { m_LeadingTilde = ReadInt32Flag(ar) ? 1 : 0; });
}

}  // namespace tsy
