#include "symbologies/document_serialize.h"

#include "document/document_file.h"
#include "document/encoder_doc_serialize.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/document_types.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "symbologies/type_sections.h"

namespace tsy {
namespace {

void SetError(std::string* error, const char* text) {
    if (error) *error = text;
}

// The bar height a document of each type starts with.
BaseSectionDefaults DefaultsFor(DocumentKind kind) {
    switch (kind) {
        case DocumentKind::Code128:
        case DocumentKind::Code39:
            return {500};
        case DocumentKind::PDF417:
            return {15};
        default:
            return {250};
    }
}

template <class Doc>
Doc& As(CEncoderDoc& doc) {
    Doc* typed = dynamic_cast<Doc*>(&doc);
    if (!typed) throw CArchiveException(CArchiveException::Cause::badFormat);
    return *typed;
}

template <class Doc>
const Doc& As(const CEncoderDoc& doc) {
    const Doc* typed = dynamic_cast<const Doc*>(&doc);
    if (!typed) throw std::logic_error("document type without a file format");
    return *typed;
}

template <class Doc>
void StoreTyped(CArchive& ar, const CEncoderDoc& doc) {
    const Doc& typed = As<Doc>(doc);
    StoreTypeSection(ar, typed);
    StoreEncoderDocBase(ar, typed);
    if constexpr (std::is_same_v<Doc, CCode128Doc>) StoreCode128Trailer(ar, typed);
}

template <class Doc>
void LoadTyped(CArchive& ar, CEncoderDoc& doc) {
    Doc& typed = As<Doc>(doc);
    LoadTypeSection(ar, typed);
    const bool complete = LoadEncoderDocBase(ar, typed, DefaultsFor(typed.Kind()));
    if constexpr (std::is_same_v<Doc, CCode128Doc>) {
        // After a picture that could not be made the trailer's position is unknown.
        if (complete)
            LoadCode128Trailer(ar, typed);
        else
            typed.m_LeadingTilde = typed.m_TrailingFnc3;
    }
}

struct TypeFunctions {
    void (*store)(CArchive&, const CEncoderDoc&);
    void (*load)(CArchive&, CEncoderDoc&);
};

const TypeFunctions* FunctionsFor(DocumentKind kind) {
    static const TypeFunctions aztec{&StoreTyped<CAztecDoc>, &LoadTyped<CAztecDoc>};
    static const TypeFunctions pdf417{&StoreTyped<CPDF417Doc>, &LoadTyped<CPDF417Doc>};
    static const TypeFunctions qr{&StoreTyped<CQRDoc>, &LoadTyped<CQRDoc>};
    static const TypeFunctions code128{&StoreTyped<CCode128Doc>, &LoadTyped<CCode128Doc>};
    static const TypeFunctions code39{&StoreTyped<CCode39Doc>, &LoadTyped<CCode39Doc>};
    switch (kind) {
        case DocumentKind::Aztec:
            return &aztec;
        case DocumentKind::PDF417:
            return &pdf417;
        case DocumentKind::QR:
            return &qr;
        case DocumentKind::Code128:
            return &code128;
        case DocumentKind::Code39:
            return &code39;
        default:
            return nullptr;  // Ziggur and animated Aztec bring their own sections
    }
}

const DocumentType* TypeOfFile(const DocumentFileRead& file, std::u16string_view extension) {
    if (file.compound) {
        if (const DocumentType* byId = FindDocumentTypeByClassId(file.classId)) return byId;
    }
    return FindDocumentTypeByExtension(extension);
}

std::unique_ptr<CEncoderDoc> OpenRead(const DocumentFileRead& file, std::u16string_view extension,
                                      std::string* error) {
    if (!file.ok) {
        if (error) *error = file.error;
        return nullptr;
    }
    const DocumentType* type = TypeOfFile(file, extension);
    std::unique_ptr<CEncoderDoc> doc = type ? type->create() : nullptr;
    if (!doc) {
        SetError(error, kUnexpectedFileFormat);
        return nullptr;
    }
    if (!LoadDocumentBytes(file.contents, *doc, error)) return nullptr;
    // The stored picture is for containers without a view; an opened document shows its
    // settings as they build now.
    doc->BuildSymbol();
    return doc;
}

}  // namespace

void StoreDocument(CArchive& ar, const CEncoderDoc& doc) {
    const TypeFunctions* f = FunctionsFor(doc.Kind());
    if (!f) throw std::logic_error("document type without a file format");
    f->store(ar, doc);
}

void LoadDocument(CArchive& ar, CEncoderDoc& doc) {
    const TypeFunctions* f = FunctionsFor(doc.Kind());
    if (!f) throw CArchiveException(CArchiveException::Cause::badFormat);
    f->load(ar, doc);
}

std::string StoreDocumentBytes(const CEncoderDoc& doc) {
    return StoreToArchive([&](CArchive& ar) { StoreDocument(ar, doc); });
}

bool LoadDocumentBytes(std::string_view bytes, CEncoderDoc& doc, std::string* error) {
    return LoadFromArchive(
        bytes, [&](CArchive& ar) { LoadDocument(ar, doc); }, error);
}

bool SaveDocument(const CEncoderDoc& doc, const std::filesystem::path& path, std::string* error) {
    return SaveDocumentFile(
        path, FindDocumentType(doc.Kind()).classId, [&](CArchive& ar) { StoreDocument(ar, doc); },
        error);
}

std::unique_ptr<CEncoderDoc> OpenDocumentBytes(std::string_view bytes,
                                               std::u16string_view extension, std::string* error) {
    return OpenRead(ReadDocumentBytes(bytes), extension, error);
}

std::unique_ptr<CEncoderDoc> OpenDocument(const std::filesystem::path& path, std::string* error) {
    return OpenRead(ReadDocumentFile(path), path.extension().u16string(), error);
}

}  // namespace tsy
