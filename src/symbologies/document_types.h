// The registry of the seven document types, shared by the command-line producer, the file format
// and the GUI. Each row lives beside its document class; this list only orders them.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "document/document_type.h"
#include "document/encoder_doc.h"

namespace tsy {

// The rows, which live beside their document classes, as one list of references.
class DocumentTypeList {
public:
    class Iterator {
    public:
        explicit Iterator(const DocumentType* const* at) : at_(at) {}
        const DocumentType& operator*() const { return **at_; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

    private:
        const DocumentType* const* at_;
    };

    explicit DocumentTypeList(std::span<const DocumentType* const> rows) : rows_(rows) {}
    Iterator begin() const { return Iterator(rows_.data()); }
    Iterator end() const { return Iterator(rows_.data() + rows_.size()); }
    std::size_t size() const { return rows_.size(); }
    const DocumentType& operator[](std::size_t i) const { return *rows_[i]; }

private:
    std::span<const DocumentType* const> rows_;
};

// In registration order: Aztec, Ziggur, PDF417, QR, Code 128, Code 39, animated Aztec.
DocumentTypeList DocumentTypes();

const DocumentType& FindDocumentType(DocumentKind kind);
// Extension with or without its dot, case ignored (".c39" finds Code 39); null when none.
const DocumentType* FindDocumentTypeByExtension(std::u16string_view extension);
const DocumentType* FindDocumentTypeByClassId(const ClassId& id);

// The template's document string: "\nAztec\nAztec\nAztec Barcode (*.azt)\n.azt\n...".
std::u16string DocumentString(const DocumentType& type);

std::unique_ptr<CEncoderDoc> CreateDocument(DocumentKind kind);

}  // namespace tsy
