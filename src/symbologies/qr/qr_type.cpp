// The QR document type: its row and its file section.
#include "document/archive_fields.h"
#include "document/class_ids.h"
#include "message/codepage_table.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {

constinit const DocumentType kQRDocumentType{
    DocumentKind::QR,
    135,
    u"QR",
    u"QR Barcode (*.qr)",
    u".qr",
    u"BarcodeQR",
    u"Barcode Symbol - QR",
    kQRClassId,
    {.elementWidth = 25,
     .elementHeight = 25,
     .symbolHeight = 250,
     .moduleRows = 1,
     .useEci = 0,
     .codepage = CP_ISO8859_1},
    4000,
    {250, 250},
    &MakeDocument<CQRDoc>,
};

void CQRDoc::StoreTypeSection(CArchive& ar) const {
    WriteInt32Flag(ar, m_ReverseVideo != 0);
    ar << m_Model << m_ErrorCorrectionLevel;
}

void CQRDoc::LoadTypeSection(CArchive& ar) {
    m_ReverseVideo = ReadInt32Flag(ar) ? 1 : 0;
    m_Model = ReadInt32InRange(ar, 0, kLastModel, kDefaultModel);
    m_ErrorCorrectionLevel = ReadInt32InRange(ar, 0, kLastLevel, kDefaultLevel);
}

}  // namespace tsy
