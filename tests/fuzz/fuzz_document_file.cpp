// Any bytes as a document file, opened the way the program opens one: the container, the type's
// section, the base section, then the build of what was read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/compound_file.h"
#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // A compound file names its type by class identifier; a flat archive is read as the type
    // its extension names, so it is tried as each.
    const bool compound = tsy::HasCompoundFileSignature(bytes);
    for (const tsy::DocumentType& type : tsy::DocumentTypes()) {
        std::string error;
        tsy::OpenDocumentBytes(bytes, type.extension, &error);
        if (compound) break;
    }
    return 0;
}
