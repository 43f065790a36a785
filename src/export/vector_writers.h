// SVG, PDF and EPS from one drawing path (Cairo): the symbol as filled rectangles and the
// captions as text, on a page of the picture's physical size.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "export/image_formats.h"
#include "export/vector_picture.h"

namespace tsy {

enum class VectorKind { Svg, Pdf, Eps };

struct VectorFormat {
    std::string_view name;       // "SVG"
    std::string_view extension;  // lower case, dot included
    VectorKind kind;
};

// SVG, PDF, EPS.
std::span<const VectorFormat> VectorFormats();
// extension: lower case with its dot. Null when no vector format has it.
const VectorFormat* FindVectorFormat(std::string_view extension);

// Dialog filters for the vector formats, in the order of VectorFormats().
std::span<const ExportFilter> VectorExportFilters();

// The file's bytes; false with *error when Cairo is missing or fails.
bool EncodeVector(VectorKind kind, const VectorPicture& picture, std::string* bytes,
                  std::string* error);
// Into a file through the safe-save path: on failure the target is left untouched.
bool WriteVectorFile(VectorKind kind, const VectorPicture& picture,
                     const std::filesystem::path& path, std::string* error);

}  // namespace tsy
