#include "export/image_formats.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "export/image_writers.h"
#include "imaging/raster_limits.h"
#include "platform/ascii_case.h"
#include "platform/bitmap_ops.h"
#include "platform/safe_file.h"

namespace tsy {
namespace {

constexpr std::string_view kBmp[] = {".bmp"};
constexpr std::string_view kPng[] = {".png"};
constexpr std::string_view kJpeg[] = {".jpg", ".jpeg"};
constexpr std::string_view kTiff[] = {".tif", ".tiff"};
constexpr std::string_view kGif[] = {".gif"};
constexpr std::string_view kTga[] = {".tga"};
constexpr std::string_view kPcx[] = {".pcx"};

const std::array<ImageFormat, 7> kFormats = {{
    {"BMP", kBmp, &WriteBmp},
    {"PNG", kPng, &WritePng, &WritePngMono},
    {"JPEG", kJpeg, &WriteJpeg},
    {"TIFF", kTiff, &WriteTiff, &WriteTiffMono},
    {"GIF", kGif, &WriteGif, &WriteGifMono},
    {"TGA", kTga, &WriteTga},
    {"PCX", kPcx, &WritePcx},
}};

constexpr std::array<ExportFilter, 9> kFilters = {{
    {"BMP files", "*.bmp"},
    {"PNG files", "*.png"},
    {"JPG files", "*.jpg;*.jpeg"},
    {"TIF files", "*.tif;*.tiff"},
    {"GIF files", "*.gif"},
    {"Windows Metafile", "*.wmf"},
    {"Graphic Files", "*.bmp;*.png;*.gif;*.jpg;*.jpeg;*.tif;*.tiff"},
    {"CPP Source", "*.cpp"},
    {"All Files", "*.*"},
}};

}  // namespace

std::span<const ImageFormat> ImageFormats() {
    return kFormats;
}

const ImageFormat* FindImageFormat(std::string_view extension) {
    for (const ImageFormat& format : kFormats) {
        for (std::string_view ext : format.extensions) {
            if (ext == extension) return &format;
        }
    }
    return nullptr;
}

std::string LowerExtension(const std::filesystem::path& path) {
    // The last component's own text: "a.b/" has no file name, so no extension.
    const std::string name = path.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    std::string ext = name.substr(dot);
    for (char& c : ext) c = AsciiLower(c);
    return ext;
}

std::span<const ExportFilter> ExportBitmapFilters() {
    return kFilters;
}

std::size_t PreselectedExportFilter(std::string_view defaultExt) {
    std::string lower(defaultExt);
    for (char& c : lower) c = AsciiLower(c);
    for (std::size_t i = 0; i < kFilters.size(); ++i) {
        if (kFilters[i].pattern.find(lower) != std::string_view::npos) return i;
    }
    return kFilters.size() - 1;
}

bool EncodeImage(const ImageFormat& format, const RgbImage& picture, std::string* bytes,
                 std::string* error) {
    StringSink sink;
    if (!format.encode(picture, sink, error)) return false;
    *bytes = std::move(sink.bytes);
    return true;
}

namespace {

template <class Encode>
bool SaveEncoded(const std::filesystem::path& path, std::string* error, Encode encode) {
    std::string reason;
    const bool ok = SaveFileSafely(
        path,
        [&](std::FILE* f) {
            FileSink sink(f);
            if (encode(sink, &reason)) return true;
            if (reason.empty() && std::ferror(f)) reason = std::strerror(errno);
            return false;
        },
        error, Durability::Atomic);
    if (!ok && error && !reason.empty()) *error = path.string() + ": " + reason;
    return ok;
}

}  // namespace

bool WriteImageFile(const ImageFormat& format, const RgbImage& picture,
                    const std::filesystem::path& path, std::string* error) {
    // Refuse a bad picture before a temporary file exists.
    if (!CheckPicture(picture, error)) return false;
    return SaveEncoded(path, error, [&](ByteSink& sink, std::string* reason) {
        return format.encode(picture, sink, reason);
    });
}

bool WriteImageFile(const ImageFormat& format, const Bitmap1& picture,
                    const std::filesystem::path& path, std::string* error) {
    if (!format.encodeMono) return WriteImageFile(format, Bitmap1ToRgb(picture), path, error);
    if (!CheckPicture(picture, error)) return false;
    return SaveEncoded(path, error, [&](ByteSink& sink, std::string* reason) {
        return format.encodeMono(picture, sink, reason);
    });
}

}  // namespace tsy
