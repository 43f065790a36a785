// Any bytes as a document file: read the container, then the archive as a document would.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/document_file.h"
#include "document/sample_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const tsy::DocumentFileRead file =
        tsy::ReadDocumentBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!file.ok) return 0;
    tsy::test::SampleDocument doc;
    std::string error;
    tsy::LoadFromArchive(
        file.contents, [&](tsy::CArchive& ar) { doc.Serialize(ar); }, &error);
    return 0;
}
