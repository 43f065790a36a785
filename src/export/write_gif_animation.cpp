#include <array>
#include <vector>

#include "export/gif_animation_writer.h"
#include "export/gif_library.h"
#include "platform/error_text.h"

namespace tsy {
namespace {

int SinkOutput(GifFileType* gif, const GifByteType* data, int size) {
    auto* sink = static_cast<ByteSink*>(gif->UserData);
    return sink->Write(data, static_cast<std::size_t>(size)) ? size : 0;
}

// Every frame lies inside the strip's buffer, whatever the caller computed.
bool FramesFit(const GifAnimation& a) {
    const AnimationFrames& f = a.frames;
    if (!a.strip || a.strip->empty() || f.count < 1 || f.width < 1 || f.height < 1) return false;
    if (f.height > a.strip->height || f.step < f.width || f.width > 65535 || f.height > 65535)
        return false;
    const int64_t end = int64_t{f.count - 1} * f.step + f.width;
    const std::size_t need =
        static_cast<std::size_t>(a.strip->stride()) * static_cast<std::size_t>(a.strip->height);
    return end <= a.strip->width && a.strip->bits.size() >= need;
}

bool PutLoops(GifFileType* gif, uint16_t loops) {
    if (loops == 1) return true;  // plays once: no repeat block at all
    const uint16_t repeats = loops == 0 ? 0 : static_cast<uint16_t>(loops - 1);
    static const char kApp[] = "NETSCAPE2.0";
    const GifByteType count[3] = {1, static_cast<GifByteType>(repeats & 0xFF),
                                  static_cast<GifByteType>(repeats >> 8)};
    return Gif().EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           Gif().EGifPutExtensionBlock(gif, 11, kApp) == GIF_OK &&
           Gif().EGifPutExtensionBlock(gif, 3, count) == GIF_OK &&
           Gif().EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrame(GifFileType* gif, const GifAnimation& a, int index, std::vector<GifByteType>& row) {
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_BACKGROUND;
    gcb.UserInputFlag = false;
    gcb.DelayTime = a.delay;
    // A transparent dark module would vanish on a dark background.
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    Gif().EGifGCBToExtension(&gcb, extension);
    const AnimationFrames& f = a.frames;
    if (Gif().EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK ||
        Gif().EGifPutImageDesc(gif, 0, 0, f.width, f.height, false, nullptr) != GIF_OK)
        return false;
    const Bitmap1& strip = *a.strip;
    const std::size_t stride = static_cast<std::size_t>(strip.stride());
    const int x0 = index * f.step;
    for (int y = 0; y < f.height; ++y) {
        const uint8_t* bits = strip.bits.data() + static_cast<std::size_t>(y) * stride;
        // Palette index = the bit: 0 black, 1 white.
        for (int x = 0; x < f.width; ++x) {
            const int sx = x0 + x;
            row[static_cast<std::size_t>(x)] = (bits[sx >> 3] >> (7 - (sx & 7))) & 1;
        }
        if (Gif().EGifPutLine(gif, row.data(), f.width) != GIF_OK) return false;
    }
    return true;
}

}  // namespace

bool WriteGifAnimation(const GifAnimation& animation, ByteSink& out, std::string* error) {
    if (!FramesFit(animation))
        return Fail(error, "GIF encoder: the frames do not lie within the strip");
    if (!Gif().missing.empty()) return Fail(error, Gif().missing);
    std::array<GifColorType, 2> colours{{{0, 0, 0}, {255, 255, 255}}};
    ColorMapObject* map = Gif().GifMakeMapObject(2, colours.data());
    if (!map) return false;
    int code = 0;
    GifFileType* gif = Gif().EGifOpen(&out, SinkOutput, &code);
    if (!gif) {
        Gif().GifFreeMapObject(map);
        if (error) *error = "GIF encoder: could not start";
        return false;
    }
    Gif().EGifSetGifVersion(gif, true);
    const AnimationFrames& f = animation.frames;
    // Background index 1 (white): disposal 2 clears each frame to the quiet zone's colour.
    bool ok = Gif().EGifPutScreenDesc(gif, f.width, f.height, 1, 1, map) == GIF_OK &&
              PutLoops(gif, animation.loops);
    std::vector<GifByteType> row(static_cast<std::size_t>(f.width));
    for (int i = 0; ok && i < f.count; ++i) ok = PutFrame(gif, animation, i, row);
    if (!ok) code = gif->Error;
    int closeError = 0;
    if (Gif().EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        code = closeError;
        ok = false;
    }
    Gif().GifFreeMapObject(map);
    if (!ok && error) {
        const char* text = Gif().GifErrorString(code);
        *error = std::string("GIF encoder: ") + (text ? text : "failed");
    }
    return ok;
}

namespace {

bool EncodeToBytes(const GifAnimation& animation, std::string* bytes) {
    StringSink sink;
    if (!WriteGifAnimation(animation, sink, nullptr)) return false;
    *bytes += sink.bytes;
    return true;
}

}  // namespace

void InstallGifAnimationWriter() {
    SetGifAnimationEncoder(&EncodeToBytes);
}

}  // namespace tsy
