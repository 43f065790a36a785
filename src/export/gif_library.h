// giflib, opened on first use so the runs that write other formats do not load it.
#pragma once

#include <gif_lib.h>

#include <string>

namespace tsy {

#define TSY_GIF_FUNCTIONS(X)   \
    X(GifMakeMapObject)        \
    X(GifFreeMapObject)        \
    X(GifQuantizeBuffer)       \
    X(GifErrorString)          \
    X(EGifOpen)                \
    X(EGifPutScreenDesc)       \
    X(EGifPutImageDesc)        \
    X(EGifPutLine)             \
    X(EGifCloseFile)           \
    X(EGifSetGifVersion)       \
    X(EGifPutExtension)        \
    X(EGifPutExtensionLeader)  \
    X(EGifPutExtensionBlock)   \
    X(EGifPutExtensionTrailer) \
    X(EGifGCBToExtension)

struct GifApi {
#define TSY_GIF_POINTER(name) decltype(&::name) name = nullptr;
    TSY_GIF_FUNCTIONS(TSY_GIF_POINTER)
#undef TSY_GIF_POINTER
    std::string missing;  // empty when loaded
};

const GifApi& Gif();

}  // namespace tsy
