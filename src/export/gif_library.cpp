#include "export/gif_library.h"

#include "platform/lazy_library.h"

namespace tsy {

const GifApi& Gif() {
    static const GifApi api = [] {
        static const LazyLibrary lib({"libgif.so.7", "libgif.so"});
        GifApi a;
        bool all = lib.loaded();
#define TSY_GIF_BIND(name) all = lib.bind(a.name, #name) && all;
        TSY_GIF_FUNCTIONS(TSY_GIF_BIND)
#undef TSY_GIF_BIND
        if (!lib.loaded()) {
            a.missing = lib.MissingText("GIF export");
        } else if (!all) {
            a.missing = "GIF export: giflib lacks a function it needs";
        }
        return a;
    }();
    return api;
}

}  // namespace tsy
