// Any bytes as a document file, opened the way the program opens one: the container, the type's
// section, the base section, then the build of what was read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // A compound file names its type by class identifier; a flat archive is read as the type its
    // file name gives, here chosen by the last byte (which the archive's reader never reaches).
    const tsy::DocumentTypeList types = tsy::DocumentTypes();
    const std::u16string_view extension = types[data[size - 1] % types.size()].extension;
    std::string error;
    tsy::OpenDocumentBytes(std::string_view(reinterpret_cast<const char*>(data), size), extension,
                           &error);
    return 0;
}
