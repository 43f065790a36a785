// Any bytes as a document file, opened the way the program opens one: the container, the type's
// section, the base section, then the build of what was read.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"

// Animated Aztec documents write their settings when destroyed and a GIF at every build: neither
// may reach the user's profile or temporary folder.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("XDG_CONFIG_HOME", "/nonexistent/tessaly-fuzz", 1);
    setenv("TEMP", "", 1);
    setenv("TMP", "", 1);
    return 0;
}

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
