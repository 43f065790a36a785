// The Ziggur document type: its row and its file section.
#include "document/archive_fields.h"
#include "document/class_ids.h"
#include "message/codepage_table.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {

constinit const DocumentType kZiggurDocumentType{
    DocumentKind::Ziggur,
    130,
    u"Ziggur",
    u"Ziggur Barcode (*.zig)",
    u".zig",
    u"BarcodeZiggur",
    u"Barcode Symbol - Ziggur",
    kZiggurClassId,
    {.elementWidth = 5,
     .elementHeight = 10,
     .symbolHeight = 250,
     .moduleRows = 20,
     .useEci = 0,
     .codepage = CP_ISO8859_1},
    4000,
    {250, 250},
    &MakeDocument<CZiggurDoc>,
};

// "Default Host Height" is not stored.
void CZiggurDoc::StoreTypeSection(CArchive& ar) const {
    ar << m_HostSymbology << m_BarrierRows << m_Symmetry << m_HostMessage << m_MenuSymbol;
}

void CZiggurDoc::LoadTypeSection(CArchive& ar) {
    m_HostSymbology = ReadInt32InRange(ar, 0, kZiggurLastHost, kZiggurHostCode39);
    m_BarrierRows = ReadInt32InRange(ar, 0, 1, 0);
    m_Symmetry = ReadInt32InRange(ar, 0, ziggur::kZiggurDoubleEven, kZiggurDefaultSymmetry);
    m_HostMessage = ReadTextAtMost(ar, kZiggurHostTextMax);
    m_MenuSymbol = ReadInt32InRange(ar, 0, 1, 0);
}

void CZiggurDoc::CopyUnsavedSettings(const CEncoderDoc& from) {
    CEncoderDoc::CopyUnsavedSettings(from);
    if (const auto* ziggur = dynamic_cast<const CZiggurDoc*>(&from))
        m_DefaultHostHeight = ziggur->m_DefaultHostHeight;
}

}  // namespace tsy
