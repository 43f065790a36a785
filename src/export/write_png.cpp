// PNG through libpng: 8-bit RGB, the library's default compression.
#include <png.h>
#include <zlib.h>

#include <csetjmp>

#include "export/image_writers.h"

namespace tsy {
namespace {

struct PngOutput {
    ByteSink* sink;
    bool failed = false;
    char message[200] = {};
};

void PngWrite(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<PngOutput*>(png_get_io_ptr(png));
    if (!out->sink->Write(data, size)) {
        out->failed = true;
        png_error(png, "cannot write");
    }
}

void PngFlush(png_structp) {}

void PngError(png_structp png, png_const_charp message) {
    auto* out = static_cast<PngOutput*>(png_get_error_ptr(png));
    std::snprintf(out->message, sizeof out->message, "%s", message);
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// Kept free of C++ objects with destructors: libpng leaves through longjmp.
bool Encode(const RgbImage& picture, PngOutput& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, PngError, PngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER);
    // Symbols are long runs of two colours: the Up filter with run-length deflate compresses
    // them as well as the adaptive default at a fraction of its time.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y) {
        png_write_row(png, const_cast<png_bytep>(picture.row(y)));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePng(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    PngOutput state{&out};
    if (Encode(picture, state)) return true;
    if (error && !state.failed) *error = std::string("PNG encoder: ") + state.message;
    return false;
}

}  // namespace tsy
