// The Code 39 document type: its row and its file section.
#include "document/archive_fields.h"
#include "document/class_ids.h"
#include "message/codepage_table.h"
#include "symbologies/code39/code39_doc.h"

namespace tsy {

constinit const DocumentType kCode39DocumentType{
    DocumentKind::Code39,
    146,
    u"Code39",
    u"Code39 Barcode (*.C39)",
    u".C39",
    u"BarcodeCode39",
    u"Barcode Symbol - Code39",
    kCode39ClassId,
    {.elementWidth = 10,
     .elementHeight = 500,
     .symbolHeight = 500,
     .moduleRows = 1,
     .useEci = 0,
     .codepage = CP_ASCII},
    60,
    {75, 4000},
    &MakeDocument<CCode39Doc>,
};

void CCode39Doc::StoreTypeSection(CArchive& ar) const {
    WriteInt32Flag(ar, m_CheckCharacter != 0);
    WriteInt32Flag(ar, m_MenuCode != 0);
}

void CCode39Doc::LoadTypeSection(CArchive& ar) {
    m_CheckCharacter = ReadInt32Flag(ar) ? 1 : 0;
    m_MenuCode = ReadInt32Flag(ar) ? 1 : 0;
}

}  // namespace tsy
