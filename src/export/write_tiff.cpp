// TIFF through libtiff, LZW strips at the smallest depth that holds the picture exactly: one
// bit of black and white (or a one-bit palette) for two colours, an 8-bit palette up to 256,
// else 8-bit RGB. libtiff seeks back to patch offsets, so the file
// is built in memory and handed to the sink whole.
//
// libtiff is opened on first use: it drags in half a dozen codec libraries (and the C++ runtime)
// that every other run of the program would otherwise load and relocate for nothing.
#include <tiffio.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "export/image_writers.h"
#include "export/picture_palette.h"
#include "platform/lazy_library.h"

namespace tsy {
namespace {

struct MemoryFile {
    std::string bytes;
    std::size_t pos = 0;
};

tmsize_t ReadProc(thandle_t, void*, tmsize_t) {
    return 0;
}

tmsize_t WriteProc(thandle_t h, void* data, tmsize_t size) {
    auto* f = static_cast<MemoryFile*>(h);
    if (size < 0) return -1;
    const std::size_t n = static_cast<std::size_t>(size);
    if (f->pos + n > f->bytes.size()) f->bytes.resize(f->pos + n);
    std::memcpy(f->bytes.data() + f->pos, data, n);
    f->pos += n;
    return size;
}

toff_t SeekProc(thandle_t h, toff_t offset, int whence) {
    auto* f = static_cast<MemoryFile*>(h);
    uint64_t base = 0;
    if (whence == SEEK_CUR) base = f->pos;
    if (whence == SEEK_END) base = f->bytes.size();
    f->pos = static_cast<std::size_t>(base + offset);
    return f->pos;
}

int CloseProc(thandle_t) {
    return 0;
}
toff_t SizeProc(thandle_t h) {
    return static_cast<MemoryFile*>(h)->bytes.size();
}
int MapProc(thandle_t, void**, toff_t*) {
    return 0;
}
void UnmapProc(thandle_t, void*, toff_t) {}

struct ErrorText {
    char text[256] = {};
};

int ErrorHandler(TIFF*, void* user, const char*, const char* fmt, va_list ap) {
    std::vsnprintf(static_cast<ErrorText*>(user)->text, sizeof(ErrorText::text), fmt, ap);
    return 1;
}

int QuietHandler(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

#define TSY_TIFF_FUNCTIONS(X)               \
    X(TIFFOpenOptionsAlloc)                 \
    X(TIFFOpenOptionsSetErrorHandlerExtR)   \
    X(TIFFOpenOptionsSetWarningHandlerExtR) \
    X(TIFFOpenOptionsFree)                  \
    X(TIFFClientOpenExt)                    \
    X(TIFFSetField)                         \
    X(TIFFDefaultStripSize)                 \
    X(TIFFWriteScanline)                    \
    X(TIFFFlush)                            \
    X(TIFFClose)

struct TiffApi {
#define TSY_TIFF_POINTER(name) decltype(&::name) name = nullptr;
    TSY_TIFF_FUNCTIONS(TSY_TIFF_POINTER)
#undef TSY_TIFF_POINTER
    bool loaded = false;
    std::string missing;
};

const TiffApi& Tiff() {
    static const TiffApi api = [] {
        static const LazyLibrary lib({"libtiff.so.6", "libtiff.so"});
        TiffApi a;
        bool all = lib.loaded();
#define TSY_TIFF_BIND(name) all = lib.bind(a.name, #name) && all;
        TSY_TIFF_FUNCTIONS(TSY_TIFF_BIND)
#undef TSY_TIFF_BIND
        a.loaded = all;
        if (!lib.loaded()) a.missing = lib.MissingText("TIFF export");
        return a;
    }();
    return api;
}

bool IsBlackAndWhite(const PalettePicture& p) {
    return p.bits == 1 && p.colours[0] == 0x000000 &&
           (p.colours.size() == 1 || p.colours[1] == 0xFFFFFF);
}

// The photometric fields of a palette picture; bilevel when its colours are black and white,
// which every TIFF reader knows.
void SetPaletteFields(const TiffApi& t, TIFF* tif, const PalettePicture& p,
                      std::vector<uint16_t>& map) {
    t.TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 1);
    t.TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, p.bits);
    if (IsBlackAndWhite(p)) {
        t.TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
        return;
    }
    const std::size_t n = std::size_t{1} << p.bits;
    map.assign(3 * n, 0);
    for (std::size_t i = 0; i < p.colours.size(); ++i) {
        const uint32_t c = p.colours[i];
        map[i] = static_cast<uint16_t>((c >> 16 & 0xFF) * 257);
        map[n + i] = static_cast<uint16_t>((c >> 8 & 0xFF) * 257);
        map[2 * n + i] = static_cast<uint16_t>((c & 0xFF) * 257);
    }
    t.TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
    t.TIFFSetField(tif, TIFFTAG_COLORMAP, map.data(), map.data() + n, map.data() + 2 * n);
}

// Written from the palette picture when there is one, else from the RGB one.
bool Encode(const RgbImage* picture, const PalettePicture* palette, MemoryFile& file,
            ErrorText& err) {
    const TiffApi& t = Tiff();
    if (!t.loaded) {
        std::snprintf(err.text, sizeof err.text, "libtiff could not be loaded");
        return false;
    }
    TIFFOpenOptions* options = t.TIFFOpenOptionsAlloc();
    t.TIFFOpenOptionsSetErrorHandlerExtR(options, ErrorHandler, &err);
    t.TIFFOpenOptionsSetWarningHandlerExtR(options, QuietHandler, nullptr);
    TIFF* tif = t.TIFFClientOpenExt("picture", "w", &file, ReadProc, WriteProc, SeekProc, CloseProc,
                                    SizeProc, MapProc, UnmapProc, options);
    t.TIFFOpenOptionsFree(options);
    if (!tif) return false;
    const int rows = palette ? palette->height : picture->height;
    t.TIFFSetField(tif, TIFFTAG_IMAGEWIDTH,
                   static_cast<uint32_t>(palette ? palette->width : picture->width));
    t.TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(rows));
    std::vector<uint16_t> map;
    if (palette) {
        SetPaletteFields(t, tif, *palette, map);
    } else {
        t.TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3);
        t.TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
        t.TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    }
    t.TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    t.TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    t.TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    t.TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, t.TIFFDefaultStripSize(tif, 0));
    t.TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    t.TIFFSetField(tif, TIFFTAG_XRESOLUTION, 96.0);
    t.TIFFSetField(tif, TIFFTAG_YRESOLUTION, 96.0);
    bool ok = true;
    for (int y = 0; ok && y < rows; ++y) {
        // libtiff does not write through the pointer, but its prototype is not const.
        auto* row = const_cast<uint8_t*>(palette ? palette->row(y) : picture->row(y));
        ok = t.TIFFWriteScanline(tif, row, static_cast<uint32_t>(y), 0) == 1;
    }
    if (ok) ok = t.TIFFFlush(tif) == 1;
    t.TIFFClose(tif);
    return ok;
}

bool Finish(const RgbImage* picture, const PalettePicture* palette, ByteSink& out,
            std::string* error) {
    if (!Tiff().missing.empty()) {
        if (error) *error = Tiff().missing;
        return false;
    }
    MemoryFile file;
    ErrorText err;
    if (!Encode(picture, palette, file, err)) {
        if (error) *error = std::string("TIFF encoder: ") + err.text;
        return false;
    }
    return out.Write(file.bytes.data(), file.bytes.size());
}

}  // namespace

bool WriteTiff(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    PalettePicture palette;
    const bool indexed = MakePalettePicture(picture, &palette);
    return Finish(&picture, indexed ? &palette : nullptr, out, error);
}

bool WriteTiffMono(const Bitmap1& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    PalettePicture palette;
    MakePalettePicture(picture, &palette);
    return Finish(nullptr, &palette, out, error);
}

}  // namespace tsy
