#include "platform/face_cache.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include <unistd.h>

#include "platform/ascii_case.h"
#include "platform/font_libraries.h"
#include "platform/utf8_text.h"

namespace tsy::detail {

namespace {

constexpr const char* kFallbackFamily = "Liberation Sans";

// Faces documents name for captions, mapped to their metric-compatible Liberation faces so a
// caption keeps its width whether or not fontconfig's own aliases are installed.
struct FaceAlias {
    std::string_view requested;
    std::string_view family;
};
constexpr FaceAlias kFaceAliases[] = {
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"arial narrow", "Liberation Sans Narrow"},
    {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
};

std::string AliasedFamily(const std::string& requested) {
    const std::string key = AsciiLower(std::string_view(requested));
    for (const FaceAlias& alias : kFaceAliases) {
        if (alias.requested == key) return std::string(alias.family);
    }
    return requested;
}

struct Match {
    std::string file;
    int index = 0;
    std::string family;
    bool familyMatches = false;
    bool bold = false;
    bool italic = false;
};

bool HasFamily(FcPattern* font, const std::string& wanted) {
    const FontconfigApi& fc = *Fontconfig();
    FcChar8* family = nullptr;
    for (int i = 0; fc.FcPatternGetString(font, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        if (EqualsIgnoringCase(reinterpret_cast<const char*>(family), wanted)) return true;
    }
    return false;
}

Match Lookup(const std::string& family, bool bold, bool italic) {
    const FontconfigApi& fc = *Fontconfig();
    Match match;
    FcPattern* pattern = fc.FcPatternCreate();
    fc.FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    fc.FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    fc.FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    fc.FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    fc.FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    fc.FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* font = fc.FcFontMatch(nullptr, pattern, &result);
    fc.FcPatternDestroy(pattern);
    if (font == nullptr) return match;
    FcChar8* file = nullptr;
    FcChar8* name = nullptr;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    if (fc.FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch) {
        match.file = reinterpret_cast<const char*>(file);
    }
    fc.FcPatternGetInteger(font, FC_INDEX, 0, &match.index);
    if (fc.FcPatternGetString(font, FC_FAMILY, 0, &name) == FcResultMatch) {
        match.family = reinterpret_cast<const char*>(name);
    }
    fc.FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    fc.FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    match.familyMatches = HasFamily(font, family);
    match.bold = weight >= FC_WEIGHT_DEMIBOLD;
    match.italic = slant != FC_SLANT_ROMAN;
    fc.FcPatternDestroy(font);
    return match;
}

// The Liberation faces where fonts-liberation2 puts them. Starting fontconfig costs more than
// a whole command-line run, so the faces captions nearly always use are found directly.
constexpr std::string_view kLiberationDir = "/usr/share/fonts/truetype/liberation2/";

Match KnownFile(const std::string& family, bool bold, bool italic) {
    Match match;
    static constexpr std::pair<std::string_view, std::string_view> kFiles[] = {
        {"Liberation Sans", "LiberationSans"},
        {"Liberation Serif", "LiberationSerif"},
        {"Liberation Mono", "LiberationMono"},
    };
    for (const auto& [name, stem] : kFiles) {
        if (!EqualsIgnoringCase(name, family)) continue;
        const char* style =
            bold ? (italic ? "-BoldItalic" : "-Bold") : (italic ? "-Italic" : "-Regular");
        std::string file = std::string(kLiberationDir) + std::string(stem) + style + ".ttf";
        if (access(file.c_str(), R_OK) != 0) return match;
        match = Match{file, 0, std::string(name), true, bold, italic};
    }
    return match;
}

// The requested face, else the fallback family, else whatever fontconfig offers.
// startFontconfig is called before the first fontconfig query and reports whether it works.
template <typename Start>
Match Resolve(const std::string& requested, bool bold, bool italic, bool* fallback,
              Start startFontconfig) {
    *fallback = false;
    const std::string family = requested.empty() ? kFallbackFamily : AliasedFamily(requested);
    if (Match known = KnownFile(family, bold, italic); !known.file.empty()) {
        *fallback = requested.empty();
        return known;
    }
    if (!startFontconfig()) return {};
    if (!requested.empty()) {
        Match match = Lookup(family, bold, italic);
        if (match.familyMatches && !match.file.empty()) return match;
    }
    *fallback = true;
    if (Match known = KnownFile(kFallbackFamily, bold, italic); !known.file.empty()) return known;
    return Lookup(kFallbackFamily, bold, italic);
}

class FaceCache {
public:
    const OpenedFace& Open(const LogFont& lf) {
        const bool bold = lf.weight >= 600;
        const auto key = std::make_tuple(AsciiLower(std::string_view(Utf16ToUtf8Text(lf.faceName))),
                                         bold, lf.italic);
        auto found = opened_.find(key);
        if (found != opened_.end()) return found->second;
        return opened_[key] = OpenNew(Utf16ToUtf8Text(lf.faceName), bold, lf.italic);
    }

private:
    OpenedFace OpenNew(const std::string& requested, bool bold, bool italic) {
        OpenedFace opened;
        if (!StartFreetype()) return opened;
        bool fallback = false;
        const Match match =
            Resolve(requested, bold, italic, &fallback, [this] { return StartFontconfig(); });
        if (match.file.empty()) return opened;
        opened.face = FaceFor(match.file, match.index);
        if (opened.face == nullptr) return opened;
        opened.syntheticBold = bold && !match.bold;
        opened.syntheticItalic = italic && !match.italic;
        opened.info = ResolvedFace{match.family, match.file, fallback};
        return opened;
    }

    // FreeType starts on the first text measured or drawn, fontconfig only for a face that is
    // not found directly.
    bool StartFreetype() {
        if (!freetypeStarted_) {
            freetypeStarted_ = true;
            freetypeOk_ = Freetype() && Freetype()->FT_Init_FreeType(&library_) == 0;
        }
        return freetypeOk_;
    }
    bool StartFontconfig() {
        if (!fontconfigStarted_) {
            fontconfigStarted_ = true;
            fontconfigOk_ = Fontconfig() && Fontconfig()->FcInit() == FcTrue;
        }
        return fontconfigOk_;
    }

    FT_Face FaceFor(const std::string& file, int index) {
        const auto key = std::make_pair(file, index);
        auto found = files_.find(key);
        if (found != files_.end()) return found->second;
        FT_Face face = nullptr;
        if (Freetype()->FT_New_Face(library_, file.c_str(), index, &face) != 0) face = nullptr;
        if (face != nullptr && !FT_IS_SCALABLE(face)) {
            Freetype()->FT_Done_Face(face);
            face = nullptr;
        }
        files_[key] = face;
        return face;
    }

    bool freetypeStarted_ = false;
    bool fontconfigStarted_ = false;
    bool fontconfigOk_ = false;
    bool freetypeOk_ = false;
    FT_Library library_ = nullptr;
    std::map<std::pair<std::string, int>, FT_Face> files_;
    std::map<std::tuple<std::string, bool, bool>, OpenedFace> opened_;
};

FaceCache& Cache() {
    // Never destroyed: faces stay open until the process ends, whatever order statics go in.
    static FaceCache* cache = new FaceCache;
    return *cache;
}

}  // namespace

std::mutex& FaceCacheMutex() {
    static std::mutex mutex;
    return mutex;
}

const OpenedFace& OpenFace(const LogFont& lf) {
    return Cache().Open(lf);
}

}  // namespace tsy::detail
