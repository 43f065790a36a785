// The PDF417 document type: its row and its file section.
#include "document/archive_fields.h"
#include "document/class_ids.h"
#include "message/codepage_table.h"
#include "symbologies/pdf417/pdf417_doc.h"

namespace tsy {

constinit const DocumentType kPDF417DocumentType{
    DocumentKind::PDF417,
    131,
    u"PDF417",
    u"PDF417 Barcode (*.417)",
    u".417",
    u"BarcodePDF417",
    u"Barcode Symbol - PDF417",
    kPDF417ClassId,
    {.elementWidth = 5,
     .elementHeight = 25,
     .symbolHeight = 15,
     .moduleRows = 1,
     .useEci = 1,
     .codepage = CP_CP437},
    4000,
    {75, 75},
    &MakeDocument<CPDF417Doc>,
};

void CPDF417Doc::StoreTypeSection(CArchive& ar) const {
    ar << m_ErrorCorrectionLevel;
    WriteInt32Flag(ar, m_Truncate != 0);
    ar << m_DataColumns;
}

void CPDF417Doc::LoadTypeSection(CArchive& ar) {
    m_ErrorCorrectionLevel = ReadInt32InRange(ar, 0, kMaxLevel, kDefaultLevel);
    m_Truncate = ReadInt32Flag(ar) ? 1 : 0;
    m_DataColumns = ReadInt32InRange(ar, 1, kMaxDataColumns, kDefaultDataColumns);
}

}  // namespace tsy
