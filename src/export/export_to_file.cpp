
#include "export/export_cpp.h"
#include "export/export_source.h"
#include "export/image_formats.h"
#include "export/vector_writers.h"
#include "imaging/metafile.h"
#include "platform/ascii_case.h"
#include "platform/bitmap_ops.h"

namespace tsy {
namespace {

std::string Upper(std::string_view text) {
    return AsciiUpper(text);
}

void Say(std::string* message, std::string text) {
    if (message) *message = std::move(text);
}

bool ExportMetafile(const ExportSource& source, const std::filesystem::path& path,
                    std::string* message) {
    CMetafile metafile;
    const double scaleX = 1.0 / (source.horizontalScale > 0 ? source.horizontalScale : 1);
    if (!metafile.Create(*source.picture, scaleX, 1.0, source.dpiX)) {
        Say(message, path.string() + ": the picture cannot be drawn as a metafile");
        return false;
    }
    return metafile.Write(path, message);
}

bool ExportVector(const ExportSource& source, const VectorFormat& format,
                  const std::filesystem::path& path, std::string* message) {
    if (source.vector) return WriteVectorFile(format.kind, *source.vector, path, message);
    const Bitmap1 mono = source.mono ? *source.mono : RgbToBitmap1(*source.picture);
    return WriteVectorFile(format.kind, PlainVectorPicture(mono, source.dpiX), path, message);
}

bool ExportImage(const ExportSource& source, const std::filesystem::path& path,
                 std::string* message) {
    const std::string ext = LowerExtension(path);
    const ImageFormat* format = FindImageFormat(ext);
    if (!format) {
        Say(message, "Unknown export format: " + ext);
        return false;
    }
    if (source.mono) return WriteImageFile(*format, *source.mono, path, message);
    return WriteImageFile(*format, *source.picture, path, message);
}

}  // namespace

bool ExportToFile(const ExportSource& source, const std::filesystem::path& path,
                  std::string* message) {
    if (path.empty()) {
        Say(message, "No file name.");
        return false;
    }
    const std::string upper = Upper(path.string());
    const bool metafile = upper.find(".WMF") != std::string::npos;
    const bool cpp = !metafile && upper.find(".CPP") != std::string::npos;
    const VectorFormat* vector = metafile || cpp ? nullptr : FindVectorFormat(LowerExtension(path));
    if (vector && (source.vector || (source.mono && !source.mono->empty()) ||
                   (source.picture && !source.picture->empty())))
        return ExportVector(source, *vector, path, message);
    if (!source.picture && source.mono && !source.mono->empty()) {
        if (!metafile && !cpp) return ExportImage(source, path, message);
        // The metafile and C++ writers draw from RGB.
        const RgbImage rgb = Bitmap1ToRgb(*source.mono);
        ExportSource withRgb = source;
        withRgb.picture = &rgb;
        withRgb.mono = nullptr;
        return ExportToFile(withRgb, path, message);
    }
    if (!source.picture || source.picture->empty()) {
        Say(message, "Nothing to Export");
        return false;
    }
    if (metafile) return ExportMetafile(source, path, message);
    if (cpp) {
        CExportCpp writer;
        return writer.ExportCpp(path, source, message);
    }
    return ExportImage(source, path, message);
}

}  // namespace tsy
