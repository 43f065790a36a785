// The animated Aztec document type: its row and its file section, which wraps the Aztec one.
#include "document/archive_fields.h"
#include "document/class_ids.h"
#include "message/codepage_table.h"
#include "symbologies/aztec/aztec_animated_doc.h"

namespace tsy {

constinit const DocumentType kAztecAnimatedDocumentType{
    DocumentKind::AztecAnimated,
    150,
    u"Aztec",
    u"Aztec Animated Barcode (*.azta)",
    u".azta",
    u"BarcodeAztecAnimated",
    u"Barcode Symbol - Aztec Animated",
    kAztecAnimatedClassId,
    {.elementWidth = 25,
     .elementHeight = 25,
     .symbolHeight = 250,
     .moduleRows = 1,
     .useEci = 1,
     .codepage = CP_ISO8859_1},
    4000,
    {250, 250},
    &MakeDocument<CAztecAnimatedDoc>,
};

void CAztecAnimatedDoc::StoreTypeSection(CArchive& ar) const {
    ar << kAnimatedAztecMarker << m_Loops << m_FrameTime << m_AddCaption;
    CAztecDoc::StoreTypeSection(ar);
}

void CAztecAnimatedDoc::LoadTypeSection(CArchive& ar) {
    ar.ReadInt32();  // the marker
    m_Loops = ReadInt32InRange(ar, 0, kMaxLoops, 0);
    m_FrameTime = ReadInt32InRange(ar, kMinFrameTime, kMaxFrameTime, 100);
    m_AddCaption = ReadInt32Flag(ar) ? 1 : 0;
    CAztecDoc::LoadTypeSection(ar);
}

}  // namespace tsy
