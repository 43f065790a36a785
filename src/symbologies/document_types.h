// The seven document types: names, file extension and filter, file-type ID and name, class
// identifier and factory, shared by the command-line producer, the file format and the GUI.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "document/class_id.h"
#include "document/document_kind.h"
#include "document/encoder_doc.h"

namespace tsy {

struct DocumentType {
    DocumentKind kind;
    int resourceId;
    std::u16string_view docName;       // also the new-file name
    std::u16string_view filterName;    // "Aztec Barcode (*.azt)"
    std::u16string_view extension;     // ".azt", dot included
    std::u16string_view fileTypeId;    // "BarcodeAztec"
    std::u16string_view fileTypeName;  // "Barcode Symbol - Aztec"
    ClassId classId;
    // A new document with its defaults (the profile's InitialView applied); null for types
    // that are not built yet.
    std::unique_ptr<CEncoderDoc> (*create)();
};

// In registration order: Aztec, Ziggur, PDF417, QR, Code 128, Code 39, animated Aztec.
std::span<const DocumentType> DocumentTypes();

const DocumentType& FindDocumentType(DocumentKind kind);
// Extension with or without its dot, case ignored (".c39" finds Code 39); null when none.
const DocumentType* FindDocumentTypeByExtension(std::u16string_view extension);
const DocumentType* FindDocumentTypeByClassId(const ClassId& id);

// The template's document string: "\nAztec\nAztec\nAztec Barcode (*.azt)\n.azt\n...".
std::u16string DocumentString(const DocumentType& type);

std::unique_ptr<CEncoderDoc> CreateDocument(DocumentKind kind);

}  // namespace tsy
