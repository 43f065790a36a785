// A second document of the same type and settings, for builds that must not touch the first.
#pragma once

#include <memory>

namespace tsy {

class CEncoderDoc;

// A copy through the document's own file format, so every type copies itself, options and
// all, with the build resolution; null when the type cannot be created or read back.
std::unique_ptr<CEncoderDoc> CopyDocument(const CEncoderDoc& doc);

}  // namespace tsy
