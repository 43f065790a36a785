#include "symbologies/document_serialize.h"

#include "document/document_file.h"
#include "document/encoder_doc_serialize.h"
#include "platform/error_text.h"
#include "symbologies/document_types.h"

namespace tsy {
namespace {

const DocumentType* TypeOfFile(const DocumentFileRead& file, std::u16string_view extension) {
    if (file.compound) {
        if (const DocumentType* byId = FindDocumentTypeByClassId(file.classId)) return byId;
    }
    return FindDocumentTypeByExtension(extension);
}

std::unique_ptr<CEncoderDoc> OpenRead(const DocumentFileRead& file, std::u16string_view extension,
                                      std::string* error) {
    if (!file.ok) {
        SetError(error, file.error);
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
    doc.StoreTypeSection(ar);
    StoreEncoderDocBase(ar, doc);
    doc.StoreTrailer(ar);
}

void LoadDocument(CArchive& ar, CEncoderDoc& doc) {
    doc.LoadTypeSection(ar);
    const bool complete = LoadEncoderDocBase(ar, doc);
    doc.LoadTrailer(ar, complete);
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
        path, doc.Type().classId, [&](CArchive& ar) { StoreDocument(ar, doc); }, error);
}

std::unique_ptr<CEncoderDoc> OpenDocumentBytes(std::string_view bytes,
                                               std::u16string_view extension, std::string* error) {
    return OpenRead(ReadDocumentBytes(bytes), extension, error);
}

std::unique_ptr<CEncoderDoc> OpenDocument(const std::filesystem::path& path, std::string* error) {
    return OpenRead(ReadDocumentFile(path), path.extension().u16string(), error);
}

}  // namespace tsy
