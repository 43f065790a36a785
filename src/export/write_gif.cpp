// GIF through giflib. A picture of at most 256 colours keeps them exactly, at the fewest bits a
// pixel that hold them; a richer one goes through giflib's own quantizer. giflib is opened on
// first use, so the runs that write other formats do not load it.
#include <algorithm>
#include <map>
#include <vector>

#include "export/gif_library.h"
#include "export/image_writers.h"

namespace tsy {
namespace {

struct Indexed {
    std::vector<GifColorType> palette;
    std::vector<GifByteType> pixels;
};

uint32_t Key(const uint8_t* p) {
    return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
}

// Exact palette; false when the picture has more than 256 colours.
bool ExactPalette(const RgbImage& picture, Indexed& out) {
    std::map<uint32_t, GifByteType> index;
    const std::size_t count =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    out.pixels.resize(count);
    // Symbols are long runs of one colour: remember the last look-up.
    uint32_t lastKey = 0xFFFFFFFF;
    GifByteType lastIndex = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t key = Key(picture.pixels.data() + 3 * i);
        if (key == lastKey) {
            out.pixels[i] = lastIndex;
            continue;
        }
        auto it = index.find(key);
        if (it == index.end()) {
            if (index.size() == 256) return false;
            it = index.emplace(key, static_cast<GifByteType>(index.size())).first;
            out.palette.push_back({static_cast<GifByteType>(key >> 16),
                                   static_cast<GifByteType>(key >> 8),
                                   static_cast<GifByteType>(key)});
        }
        out.pixels[i] = it->second;
        lastKey = key;
        lastIndex = it->second;
    }
    return true;
}

// The RGB form's palette (colours in the order first met) straight from the bits.
void MonoPalette(const Bitmap1& picture, Indexed& out) {
    const std::size_t width = static_cast<std::size_t>(picture.width);
    out.pixels.resize(width * static_cast<std::size_t>(picture.height));
    const bool firstWhite = !picture.isBlack(0, 0);
    const GifColorType black{0, 0, 0}, white{255, 255, 255};
    out.palette.assign(1, firstWhite ? white : black);
    bool other = false;
    for (int y = 0; y < picture.height; ++y) {
        GifByteType* row = out.pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < picture.width; ++x) {
            const bool differs = picture.isBlack(x, y) == firstWhite;
            row[x] = differs ? 1 : 0;
            other = other || differs;
        }
    }
    if (other) out.palette.push_back(firstWhite ? black : white);
}

bool QuantizedPalette(const RgbImage& picture, Indexed& out) {
    const std::size_t count =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    std::vector<GifByteType> r(count), g(count), b(count);
    for (std::size_t i = 0; i < count; ++i) {
        r[i] = picture.pixels[3 * i];
        g[i] = picture.pixels[3 * i + 1];
        b[i] = picture.pixels[3 * i + 2];
    }
    int size = 256;
    out.palette.assign(256, GifColorType{});
    out.pixels.resize(count);
    if (Gif().GifQuantizeBuffer(static_cast<unsigned>(picture.width),
                                static_cast<unsigned>(picture.height), &size, r.data(), g.data(),
                                b.data(), out.pixels.data(), out.palette.data()) != GIF_OK) {
        return false;
    }
    out.palette.resize(static_cast<std::size_t>(size));
    return true;
}

int SinkOutput(GifFileType* gif, const GifByteType* data, int size) {
    auto* sink = static_cast<ByteSink*>(gif->UserData);
    return sink->Write(data, static_cast<std::size_t>(size)) ? size : 0;
}

bool Encode(int width, int height, const Indexed& image, ByteSink& out, int* error) {
    const GifApi& g = Gif();
    // GIF colour tables hold a power of two entries, at least two.
    int bits = 1;
    while ((1 << bits) < static_cast<int>(image.palette.size())) ++bits;
    std::vector<GifColorType> colours(image.palette);
    colours.resize(std::size_t{1} << bits, GifColorType{});
    ColorMapObject* map = g.GifMakeMapObject(1 << bits, colours.data());
    if (!map) return false;
    GifFileType* gif = g.EGifOpen(&out, SinkOutput, error);
    if (!gif) {
        g.GifFreeMapObject(map);
        return false;
    }
    bool ok = g.EGifPutScreenDesc(gif, width, height, bits, 0, map) == GIF_OK &&
              g.EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < height; ++y) {
        auto* row = const_cast<GifByteType*>(image.pixels.data()) +
                    static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        ok = g.EGifPutLine(gif, row, width) == GIF_OK;
    }
    if (!ok) *error = gif->Error;
    int closeError = 0;
    if (g.EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        *error = closeError;
        ok = false;
    }
    g.GifFreeMapObject(map);
    return ok;
}

bool Finish(int width, int height, const Indexed& image, ByteSink& out, std::string* error) {
    int code = 0;
    if (Encode(width, height, image, out, &code)) return true;
    if (error) {
        const char* text = Gif().GifErrorString(code);
        *error = std::string("GIF encoder: ") + (text ? text : "failed");
    }
    return false;
}

}  // namespace

bool WriteGif(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    if (!Gif().missing.empty()) {
        if (error) *error = Gif().missing;
        return false;
    }
    Indexed image;
    if (!ExactPalette(picture, image)) {
        image = Indexed{};
        if (!QuantizedPalette(picture, image)) {
            if (error) *error = "GIF encoder: colour reduction failed";
            return false;
        }
    }
    return Finish(picture.width, picture.height, image, out, error);
}

bool WriteGifMono(const Bitmap1& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    if (!Gif().missing.empty()) {
        if (error) *error = Gif().missing;
        return false;
    }
    Indexed image;
    MonoPalette(picture, image);
    return Finish(picture.width, picture.height, image, out, error);
}

}  // namespace tsy
