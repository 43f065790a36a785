// JPEG through libjpeg-turbo: the picture in 8-bit grey, quality 90. libjpeg is opened on first
// use, so the runs that write other formats do not load it.
// jpeglib.h uses FILE and size_t without including their headers.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <csetjmp>

#include "export/grey_image.h"
#include "export/image_writers.h"
#include "platform/lazy_library.h"

namespace tsy {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

struct JpegOutput {
    jpeg_destination_mgr dest;  // first, so the library's pointer is ours
    jpeg_error_mgr err;
    std::jmp_buf jump;
    ByteSink* sink;
    JOCTET* buffer;
    bool writeFailed;
    char message[JMSG_LENGTH_MAX];
};

JpegOutput* Of(j_compress_ptr cinfo) {
    return reinterpret_cast<JpegOutput*>(cinfo->dest);
}

void InitDestination(j_compress_ptr cinfo) {
    JpegOutput* out = Of(cinfo);
    out->dest.next_output_byte = out->buffer;
    out->dest.free_in_buffer = kChunk;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
    JpegOutput* out = Of(cinfo);
    if (!out->sink->Write(out->buffer, kChunk)) {
        out->writeFailed = true;
        std::longjmp(out->jump, 1);
    }
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    JpegOutput* out = Of(cinfo);
    const std::size_t used = kChunk - out->dest.free_in_buffer;
    if (used > 0 && !out->sink->Write(out->buffer, used)) {
        out->writeFailed = true;
        std::longjmp(out->jump, 1);
    }
}

void ErrorExit(j_common_ptr cinfo) {
    auto* out = reinterpret_cast<JpegOutput*>(reinterpret_cast<j_compress_ptr>(cinfo)->dest);
    (*cinfo->err->format_message)(cinfo, out->message);
    std::longjmp(out->jump, 1);
}

void OutputMessage(j_common_ptr) {}

#define TSY_JPEG_FUNCTIONS(X) \
    X(jpeg_std_error)         \
    X(jpeg_CreateCompress)    \
    X(jpeg_set_defaults)      \
    X(jpeg_set_quality)       \
    X(jpeg_start_compress)    \
    X(jpeg_write_scanlines)   \
    X(jpeg_finish_compress)   \
    X(jpeg_destroy_compress)

struct JpegApi {
#define TSY_JPEG_POINTER(name) decltype(&::name) name = nullptr;
    TSY_JPEG_FUNCTIONS(TSY_JPEG_POINTER)
#undef TSY_JPEG_POINTER
    std::string missing;  // empty when loaded
};

const JpegApi& Jpeg() {
    static const JpegApi api = [] {
        static const LazyLibrary lib({"libjpeg.so.62", "libjpeg.so"});
        JpegApi a;
        bool all = lib.loaded();
#define TSY_JPEG_BIND(name) all = lib.bind(a.name, #name) && all;
        TSY_JPEG_FUNCTIONS(TSY_JPEG_BIND)
#undef TSY_JPEG_BIND
        if (!lib.loaded()) {
            a.missing = lib.MissingText("JPEG export");
        } else if (!all) {
            a.missing = "JPEG export: libjpeg lacks a function it needs";
        }
        return a;
    }();
    return api;
}

// Kept free of C++ objects with destructors: errors leave through longjmp.
bool Encode(const GreyImage& grey, JpegOutput& out) {
    const JpegApi& j = Jpeg();
    jpeg_compress_struct cinfo;
    cinfo.err = j.jpeg_std_error(&out.err);
    out.err.error_exit = ErrorExit;
    out.err.output_message = OutputMessage;
    cinfo.dest = nullptr;
    j.jpeg_CreateCompress(&cinfo, JPEG_LIB_VERSION, sizeof(cinfo));
    cinfo.dest = &out.dest;
    if (setjmp(out.jump)) {
        j.jpeg_destroy_compress(&cinfo);
        return false;
    }
    out.dest.init_destination = InitDestination;
    out.dest.empty_output_buffer = EmptyOutputBuffer;
    out.dest.term_destination = TermDestination;
    cinfo.image_width = static_cast<JDIMENSION>(grey.width);
    cinfo.image_height = static_cast<JDIMENSION>(grey.height);
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    j.jpeg_set_defaults(&cinfo);
    j.jpeg_set_quality(&cinfo, 90, TRUE);
    cinfo.density_unit = 1;
    cinfo.X_density = 96;
    cinfo.Y_density = 96;
    j.jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(grey.row(static_cast<int>(cinfo.next_scanline)));
        j.jpeg_write_scanlines(&cinfo, &row, 1);
    }
    j.jpeg_finish_compress(&cinfo);
    j.jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

bool WriteJpeg(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    if (!Jpeg().missing.empty()) {
        if (error) *error = Jpeg().missing;
        return false;
    }
    const GreyImage grey = ToGrey(picture, 0);
    std::vector<JOCTET> buffer(kChunk);
    JpegOutput state{};
    state.sink = &out;
    state.buffer = buffer.data();
    if (Encode(grey, state)) return true;
    if (error && !state.writeFailed) *error = std::string("JPEG encoder: ") + state.message;
    return false;
}

}  // namespace tsy
