#include "symbologies/document_types.h"

#include <array>

#include "document/class_ids.h"
#include "message/combo_choice.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {

namespace {

template <class Doc>
std::unique_ptr<CEncoderDoc> Make() {
    return std::make_unique<Doc>();
}

// Ziggur and animated Aztec documents are not built yet.
std::unique_ptr<CEncoderDoc> NotYet() {
    return nullptr;
}

const std::array<DocumentType, 7> kTypes = {{
    {DocumentKind::Aztec, 129, u"Aztec", u"Aztec Barcode (*.azt)", u".azt", u"BarcodeAztec",
     u"Barcode Symbol - Aztec", kAztecClassId, &Make<CAztecDoc>},
    {DocumentKind::Ziggur, 130, u"Ziggur", u"Ziggur Barcode (*.zig)", u".zig", u"BarcodeZiggur",
     u"Barcode Symbol - Ziggur", kZiggurClassId, &NotYet},
    {DocumentKind::PDF417, 131, u"PDF417", u"PDF417 Barcode (*.417)", u".417", u"BarcodePDF417",
     u"Barcode Symbol - PDF417", kPDF417ClassId, &Make<CPDF417Doc>},
    {DocumentKind::QR, 135, u"QR", u"QR Barcode (*.qr)", u".qr", u"BarcodeQR",
     u"Barcode Symbol - QR", kQRClassId, &Make<CQRDoc>},
    {DocumentKind::Code128, 139, u"Code128", u"Code128 Barcode (*.128)", u".128", u"BarcodeCode128",
     u"Barcode Symbol - Code128", kCode128ClassId, &Make<CCode128Doc>},
    {DocumentKind::Code39, 146, u"Code39", u"Code39 Barcode (*.C39)", u".C39", u"BarcodeCode39",
     u"Barcode Symbol - Code39", kCode39ClassId, &Make<CCode39Doc>},
    {DocumentKind::AztecAnimated, 150, u"Aztec", u"Aztec Animated Barcode (*.azta)", u".azta",
     u"BarcodeAztecAnimated", u"Barcode Symbol - Aztec Animated", kAztecAnimatedClassId, &NotYet},
}};

}  // namespace

std::span<const DocumentType> DocumentTypes() {
    return kTypes;
}

const DocumentType& FindDocumentType(DocumentKind kind) {
    for (const DocumentType& t : kTypes)
        if (t.kind == kind) return t;
    return kTypes[0];  // unreachable: every kind has a row
}

const DocumentType* FindDocumentTypeByExtension(std::u16string_view extension) {
    if (!extension.empty() && extension.front() == u'.') extension.remove_prefix(1);
    for (const DocumentType& t : kTypes)
        if (EqualsIgnoringCase(t.extension.substr(1), extension)) return &t;
    return nullptr;
}

const DocumentType* FindDocumentTypeByClassId(const ClassId& id) {
    for (const DocumentType& t : kTypes)
        if (t.classId == id) return &t;
    return nullptr;
}

std::u16string DocumentString(const DocumentType& t) {
    std::u16string s;  // the window title comes first and is empty
    for (std::u16string_view part :
         {t.docName, t.docName, t.filterName, t.extension, t.fileTypeId, t.fileTypeName}) {
        s += u'\n';
        s += part;
    }
    return s;
}

std::unique_ptr<CEncoderDoc> CreateDocument(DocumentKind kind) {
    return FindDocumentType(kind).create();
}

}  // namespace tsy
