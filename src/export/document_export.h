// Writing a built document to a file: a picture, metafile or C++ pair chosen by the name. The
// command line, the batch build and the GUI share it.
#pragma once

#include <filesystem>
#include <string>

namespace tsy {

class CEncoderDoc;

// False (with *message) when nothing was written. Vector names (.svg, .pdf, .eps) draw the
// document rebuilt where a pixel is a mil, so the file has the symbol's exact size.
bool ExportDocumentToFile(const CEncoderDoc& doc, const std::filesystem::path& path,
                          std::string* message);

// The same for a picture built at dpi dots per inch (the export dialog's resolution): a copy of
// the document is built for it, the document itself stays as it is. dpi 0 or the document's own
// resolution writes the document as it is.
bool ExportDocumentToFile(const CEncoderDoc& doc, const std::filesystem::path& path, int dpi,
                          std::string* message);

}  // namespace tsy
