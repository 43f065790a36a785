#include "symbologies/document_types.h"

#include <array>

#include "document/class_ids.h"
#include "platform/ascii_case.h"
#include "symbologies/aztec/aztec_animated_doc.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {

namespace {

constexpr std::array<const DocumentType*, 7> kRows = {
    &kAztecDocumentType,   &kZiggurDocumentType, &kPDF417DocumentType,        &kQRDocumentType,
    &kCode128DocumentType, &kCode39DocumentType, &kAztecAnimatedDocumentType,
};

}  // namespace

DocumentTypeList DocumentTypes() {
    return DocumentTypeList(kRows);
}

const DocumentType& FindDocumentType(DocumentKind kind) {
    for (const DocumentType& t : DocumentTypes())
        if (t.kind == kind) return t;
    return kAztecDocumentType;  // unreachable: every kind has a row
}

const DocumentType* FindDocumentTypeByExtension(std::u16string_view extension) {
    if (!extension.empty() && extension.front() == u'.') extension.remove_prefix(1);
    for (const DocumentType& t : DocumentTypes())
        if (EqualsIgnoringCase(t.extension.substr(1), extension)) return &t;
    return nullptr;
}

const DocumentType* FindDocumentTypeByClassId(const ClassId& id) {
    for (const DocumentType& t : DocumentTypes())
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
