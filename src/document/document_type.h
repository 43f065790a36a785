// What one document type is: its names and file identity, the values a new document starts with,
// the limits its pages offer, and how to make one. Each symbology defines its row next to its
// document class; the registry lists them in start-up order.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "document/class_id.h"
#include "document/document_kind.h"

namespace tsy {

class CEncoderDoc;

struct ModuleSizeLimit {
    int32_t width = 0;   // mils
    int32_t height = 0;  // mils
};

// Put over the base defaults by the document's construction. symbolHeight also replaces, when a
// file is read, a stored height no raster could have.
struct DocumentDefaults {
    int32_t elementWidth;   // mils
    int32_t elementHeight;  // mils
    int32_t symbolHeight;   // mils
    int32_t moduleRows;
    int32_t useEci;
    uint32_t codepage = 0;  // what the build uses while the document's code page is 0
};

struct DocumentType {
    DocumentKind kind;
    int resourceId;
    std::u16string_view docName;       // also the new-file name
    std::u16string_view filterName;    // "Aztec Barcode (*.azt)"
    std::u16string_view extension;     // ".azt", dot included
    std::u16string_view fileTypeId;    // "BarcodeAztec"
    std::u16string_view fileTypeName;  // "Barcode Symbol - Aztec"
    ClassId classId;
    DocumentDefaults defaults;
    int32_t maxMessageLength;
    ModuleSizeLimit maxModuleSize;
    // A new document with its defaults (the profile's InitialView applied); null for types
    // that are not built yet.
    std::unique_ptr<CEncoderDoc> (*create)();
};

// The factory of a type's row.
template <class Doc>
std::unique_ptr<CEncoderDoc> MakeDocument() {
    return std::make_unique<Doc>();
}

}  // namespace tsy
