// Writing a built document to a file: a picture, metafile or C++ pair chosen by the name. The
// command line, the batch build and the GUI share it.
#pragma once

#include <filesystem>
#include <string>

namespace tsy {

class CEncoderDoc;

// False (with *message) when nothing was written.
bool ExportDocumentToFile(const CEncoderDoc& doc, const std::filesystem::path& path,
                          std::string* message);

}  // namespace tsy
