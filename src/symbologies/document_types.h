// The registry of the seven document types, shared by the command-line producer, the file format
// and the GUI. Each row lives beside its document class; this list only orders them.
#pragma once

#include <array>
#include <memory>
#include <ranges>
#include <string_view>

#include "document/document_type.h"
#include "document/encoder_doc.h"

namespace tsy {

// In registration order: Aztec, Ziggur, PDF417, QR, Code 128, Code 39, animated Aztec.
extern const std::array<const DocumentType*, 7> kDocumentTypeRows;

// The rows as references, in registration order.
inline auto DocumentTypes() {
    return kDocumentTypeRows |
           std::views::transform([](const DocumentType* t) -> const DocumentType& { return *t; });
}

const DocumentType& FindDocumentType(DocumentKind kind);
// Extension with or without its dot, case ignored (".c39" finds Code 39); null when none.
const DocumentType* FindDocumentTypeByExtension(std::u16string_view extension);
const DocumentType* FindDocumentTypeByClassId(const ClassId& id);

// The template's document string: "\nAztec\nAztec\nAztec Barcode (*.azt)\n.azt\n...".
std::u16string DocumentString(const DocumentType& type);

std::unique_ptr<CEncoderDoc> CreateDocument(DocumentKind kind);

}  // namespace tsy
