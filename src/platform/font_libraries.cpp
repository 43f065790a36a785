#include "platform/font_libraries.h"

#include "platform/lazy_library.h"

namespace tsy::detail {

#define TSY_FONT_BIND(name) all = lib.bind(api.name, #name) && all;

const FreetypeApi* Freetype() {
    static const FreetypeApi* const loaded = [] {
        static const LazyLibrary lib({"libfreetype.so.6", "libfreetype.so"});
        static FreetypeApi api;
        bool all = lib.loaded();
        TSY_FREETYPE_FUNCTIONS(TSY_FONT_BIND)
        return all ? &api : nullptr;
    }();
    return loaded;
}

const FontconfigApi* Fontconfig() {
    static const FontconfigApi* const loaded = [] {
        static const LazyLibrary lib({"libfontconfig.so.1", "libfontconfig.so"});
        static FontconfigApi api;
        bool all = lib.loaded();
        TSY_FONTCONFIG_FUNCTIONS(TSY_FONT_BIND)
        return all ? &api : nullptr;
    }();
    return loaded;
}

#undef TSY_FONT_BIND

}  // namespace tsy::detail
