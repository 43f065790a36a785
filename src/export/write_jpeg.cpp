// JPEG through libjpeg-turbo: the picture in 8-bit grey, quality 90.
// jpeglib.h uses FILE and size_t without including their headers.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <csetjmp>

#include "export/grey_image.h"
#include "export/image_writers.h"

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

// Kept free of C++ objects with destructors: errors leave through longjmp.
bool Encode(const GreyImage& grey, JpegOutput& out) {
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&out.err);
    out.err.error_exit = ErrorExit;
    out.err.output_message = OutputMessage;
    cinfo.dest = nullptr;
    jpeg_create_compress(&cinfo);
    cinfo.dest = &out.dest;
    if (setjmp(out.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    out.dest.init_destination = InitDestination;
    out.dest.empty_output_buffer = EmptyOutputBuffer;
    out.dest.term_destination = TermDestination;
    cinfo.image_width = static_cast<JDIMENSION>(grey.width);
    cinfo.image_height = static_cast<JDIMENSION>(grey.height);
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    cinfo.density_unit = 1;
    cinfo.X_density = 96;
    cinfo.Y_density = 96;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(grey.row(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

bool WriteJpeg(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
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
