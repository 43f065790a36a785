// A symbol as a C++ header and source pair: dimensions, code page and ECI in the header; the
// caption, the message bytes and the picture as an 8-bit grey table in the source.
#pragma once

#include <filesystem>
#include <string>

#include "export/cpp_export_detail.h"
#include "export/export_source.h"
#include "export/grey_image.h"

namespace tsy {

class CExportCpp {
public:
    static constexpr int kMargin = 4;

    // Writes the source file (output) and its header (output with the extension "h"). False
    // with *error when the header would be the output itself, the picture is unusable or a
    // file cannot be written; a file that fails is left as it was.
    bool ExportCpp(const std::filesystem::path& output, const ExportSource& source,
                   std::string* error);

    // Derives the names and the grey image; ExportCpp calls it first.
    bool Prepare(const std::filesystem::path& output, const ExportSource& source,
                 std::string* error);
    std::string HeaderText(const ExportSource& source) const;
    std::string SourceText(const ExportSource& source) const;

    const cpp_export::CppNames& Names() const { return names_; }
    int X() const { return grey_.width; }
    int Y() const { return grey_.height; }
    int Bpp() const { return grey_.width > 0 ? 8 : 0; }

private:
    cpp_export::CppNames names_;
    GreyImage grey_;
};

}  // namespace tsy
