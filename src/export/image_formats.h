// The image formats every export path shares: the command line, the batch build and the GUI's
// file dialogs all look formats up here.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "export/byte_sink.h"
#include "platform/bitmap.h"

namespace tsy {

// Encodes a picture; false with *error when the picture is unusable or the encoder fails.
using ImageEncoder = bool (*)(const RgbImage& picture, ByteSink& out, std::string* error);

// Encodes a one-bit picture (0 black, 1 white) to the same file its RGB form would give.
using MonoImageEncoder = bool (*)(const Bitmap1& picture, ByteSink& out, std::string* error);

struct ImageFormat {
    std::string_view name;                         // "PNG"
    std::span<const std::string_view> extensions;  // lower case, dot included; first is preferred
    ImageEncoder encode;
    MonoImageEncoder encodeMono = nullptr;  // null: the format takes RGB only
};

// BMP, PNG, JPEG, TIFF, GIF, TGA, PCX, in that order.
std::span<const ImageFormat> ImageFormats();

// extension: lower case with its dot (".png"). Null when no format has it.
const ImageFormat* FindImageFormat(std::string_view extension);

// The part of the last path component from its last dot, dot included, in ASCII lower case;
// empty when that component has no dot.
std::string LowerExtension(const std::filesystem::path& path);

// One entry of the Export as Bitmap dialog's filter list.
struct ExportFilter {
    std::string_view description;
    std::string_view pattern;
};

// The nine filters in dialog order: five image formats, metafile, all graphics, C++, all files.
std::span<const ExportFilter> ExportBitmapFilters();

// Index into ExportBitmapFilters() of the first filter whose pattern contains the lower-cased
// default extension, else the last one ("All Files").
std::size_t PreselectedExportFilter(std::string_view defaultExt);

// Encodes into memory.
bool EncodeImage(const ImageFormat& format, const RgbImage& picture, std::string* bytes,
                 std::string* error);

// Encodes into a file through the safe-save path: on failure the target is left untouched.
bool WriteImageFile(const ImageFormat& format, const RgbImage& picture,
                    const std::filesystem::path& path, std::string* error);
// The same from a one-bit picture; formats without a one-bit encoder get its RGB form.
bool WriteImageFile(const ImageFormat& format, const Bitmap1& picture,
                    const std::filesystem::path& path, std::string* error);

}  // namespace tsy
