// FreeType and fontconfig, opened on first use: only runs that draw a caption need FreeType,
// and only captions in a face not found directly need fontconfig. Linked at start-up, the two
// (with expat and brotli behind them) cost every producer run their loading and relocation.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <fontconfig/fontconfig.h>

namespace tsy::detail {

#define TSY_FREETYPE_FUNCTIONS(X) \
    X(FT_Init_FreeType)           \
    X(FT_New_Face)                \
    X(FT_Done_Face)               \
    X(FT_Get_Sfnt_Table)          \
    X(FT_Set_Pixel_Sizes)         \
    X(FT_Get_Char_Index)          \
    X(FT_Load_Glyph)              \
    X(FT_Outline_EmboldenXY)      \
    X(FT_Outline_Transform)       \
    X(FT_Render_Glyph)

#define TSY_FONTCONFIG_FUNCTIONS(X) \
    X(FcInit)                       \
    X(FcPatternCreate)              \
    X(FcPatternAddString)           \
    X(FcPatternAddInteger)          \
    X(FcPatternAddBool)             \
    X(FcConfigSubstitute)           \
    X(FcDefaultSubstitute)          \
    X(FcFontMatch)                  \
    X(FcPatternDestroy)             \
    X(FcPatternGetString)           \
    X(FcPatternGetInteger)

#define TSY_FONT_POINTER(name) decltype(&::name) name = nullptr;
struct FreetypeApi {
    TSY_FREETYPE_FUNCTIONS(TSY_FONT_POINTER)
};
struct FontconfigApi {
    TSY_FONTCONFIG_FUNCTIONS(TSY_FONT_POINTER)
};
#undef TSY_FONT_POINTER

// Null when the library or one of its functions is missing: text then draws nothing, as with
// no usable face.
const FreetypeApi* Freetype();
const FontconfigApi* Fontconfig();

}  // namespace tsy::detail
