// PNG through libpng at the smallest depth that holds the picture exactly: a palette of one bit
// a pixel for two colours, of eight bits for up to 256, else 8-bit RGB.
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>

#include "export/image_writers.h"
#include "export/picture_palette.h"

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

// zlib's window and hash sized to the filtered image: its defaults (32 KiB window, 64 Ki hash
// entries) are set up and cleared for every picture, which costs a small symbol more than its
// compression does.
void SizeCompression(png_structp png, std::size_t rowBytes, int height) {
    const std::size_t data = (rowBytes + 1) * static_cast<std::size_t>(height);
    int windowBits = 9;
    while (windowBits < 15 && (std::size_t{1} << windowBits) < data) ++windowBits;
    png_set_compression_window_bits(png, windowBits);
    // memLevel m keeps 2^(m + 6) symbols a block: whole small pictures in one block.
    png_set_compression_mem_level(png, windowBits >= 14 ? 8 : windowBits - 6);
}

// Kept free of C++ objects with destructors: libpng leaves through longjmp. Written from the
// palette picture when there is one, else from the RGB one.
bool Encode(const RgbImage* picture, const PalettePicture* palette, PngOutput& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, PngError, PngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    const int rows = palette ? palette->height : picture->height;
    const auto width = static_cast<png_uint_32>(palette ? palette->width : picture->width);
    const auto height = static_cast<png_uint_32>(rows);
    if (palette) {
        png_set_IHDR(png, info, width, height, palette->bits, PNG_COLOR_TYPE_PALETTE,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_color colours[256];
        const int count = static_cast<int>(palette->colours.size());
        for (int i = 0; i < count; ++i) {
            const uint32_t c = palette->colours[static_cast<std::size_t>(i)];
            colours[i] = {static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                          static_cast<png_byte>(c)};
        }
        png_set_PLTE(png, info, colours, count);
    } else {
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    }
    png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER);
    // Symbols are long runs of two colours: the Up filter with run-length deflate compresses
    // them as well as the adaptive default at a fraction of its time.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_strategy(png, Z_RLE);
    SizeCompression(png, palette ? palette->stride : picture->rowBytes(), rows);
    png_write_info(png, info);
    for (int y = 0; y < rows; ++y) {
        png_write_row(png, const_cast<png_bytep>(palette ? palette->row(y) : picture->row(y)));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool Finish(const RgbImage* picture, const PalettePicture* palette, ByteSink& out,
            std::string* error) {
    PngOutput state{&out};
    if (Encode(picture, palette, state)) return true;
    if (error && !state.failed) *error = std::string("PNG encoder: ") + state.message;
    return false;
}

}  // namespace

bool WritePng(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    PalettePicture palette;
    const bool indexed = MakePalettePicture(picture, &palette);
    return Finish(&picture, indexed ? &palette : nullptr, out, error);
}

bool WritePngMono(const Bitmap1& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    PalettePicture palette;
    MakePalettePicture(picture, &palette);
    return Finish(nullptr, &palette, out, error);
}

}  // namespace tsy
