// PNG through libpng at the smallest depth that holds the picture exactly: a palette of one bit
// a pixel for two colours, of eight bits for up to 256, else 8-bit RGB.
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

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

// An upper bound on the symbols run-length deflate makes of the Up-filtered rows: a row equal
// to the one above filters to its filter byte and a run of zeros, any other row to at most a
// symbol a byte.
template <class Row>
std::size_t SymbolBound(Row row, int height, std::size_t rowBytes) {
    std::size_t symbols = rowBytes + 1;
    for (int y = 1; y < height; ++y) {
        const bool repeated = std::memcmp(row(y), row(y - 1), rowBytes) == 0;
        symbols += repeated ? 3 + (rowBytes + 257) / 258 : rowBytes + 1;
    }
    return symbols;
}

// zlib's window sized to the filtered image and its memory level to the symbols: the defaults
// (32 KiB window, 64 Ki hash entries) are set up and cleared for every picture, which costs a
// small symbol more than its compression does. Run-length deflate never uses the hash, whose
// size comes with the level; the level's symbol buffer still holds the whole picture, so it
// is one block as before.
template <class Row>
void SizeCompression(png_structp png, Row row, int height, std::size_t rowBytes) {
    const std::size_t data = (rowBytes + 1) * static_cast<std::size_t>(height);
    int windowBits = 9;
    while (windowBits < 15 && (std::size_t{1} << windowBits) < data) ++windowBits;
    png_set_compression_window_bits(png, windowBits);
    // memLevel m keeps 2^(m + 6) - 1 symbols a block.
    const int widest = windowBits >= 14 ? 8 : windowBits - 6;
    const std::size_t symbols = SymbolBound(row, height, rowBytes);
    int memLevel = 1;
    while (memLevel < widest && (std::size_t{1} << (memLevel + 6)) - 1 <= symbols) ++memLevel;
    png_set_compression_mem_level(png, memLevel);
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
    if (palette) {
        SizeCompression(
            png, [palette](int y) { return palette->row(y); }, rows, palette->stride);
    } else {
        SizeCompression(
            png, [picture](int y) { return picture->row(y); }, rows, picture->rowBytes());
    }
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
