#include "symbologies/aztec/aztec_animated_doc.h"

#include <algorithm>
#include <cstdlib>

#include "platform/bitmap_ops.h"
#include "platform/format_text.h"
#include "platform/profile.h"
#include "platform/safe_file.h"
#include "platform/temp_file.h"

namespace tsy {
namespace {

constexpr std::u16string_view kSection = u"AztecAnimated";

std::u16string Ascii(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

void SetError(std::string* error, const char* text) {
    if (error) *error = text;
}

}  // namespace

CAztecAnimatedDoc::CAztecAnimatedDoc() : CAztecDoc(kAztecAnimatedDocumentType) {
    LoadAnimationSettings();
}

CAztecAnimatedDoc::~CAztecAnimatedDoc() {
    try {
        SaveAnimationSettings();
    } catch (...) {
        // A profile that cannot be written keeps its old values.
    }
}

void CAztecAnimatedDoc::LoadAnimationSettings() {
    const ProfileSection profile(kSection);
    m_Loops = std::clamp(profile.GetInt(u"Loops", 0), 0, kMaxLoops);
    m_SymbolCount = std::clamp(profile.GetInt(u"Symbols", 1), 1, kMaxAnimationSymbols);
    m_FrameTime = std::clamp(profile.GetInt(u"FrameTime", 100), kMinFrameTime, kMaxFrameTime);
    m_AddCaption = profile.GetInt(u"AddCaption", 0) != 0 ? 1 : 0;
    m_OutputName = profile.GetString(u"Filename", u"");
    m_AppendId = profile.GetString(u"AppendID", u"").substr(0, kAztecAppendIdMax);
}

void CAztecAnimatedDoc::SaveAnimationSettings() const {
    WriteProfileInt(kSection, u"Loops", m_Loops);
    WriteProfileInt(kSection, u"Symbols", m_SymbolCount);
    WriteProfileInt(kSection, u"FrameTime", m_FrameTime);
    WriteProfileInt(kSection, u"AddCaption", m_AddCaption);
    WriteProfileString(kSection, u"Filename", m_OutputName);
    WriteProfileString(kSection, u"AppendID", m_AppendId);
}

void CAztecAnimatedDoc::ClearStrip() {
    m_Strip = Bitmap1{};
    m_Frames = AnimationFrames{};
    m_InfoText.clear();
}

bool CAztecAnimatedDoc::BuildSymbol() {
    // A failed build leaves nothing that Write could take for the present settings.
    ClearStrip();
    if (m_Message.empty()) return FailBuild();
    int32_t modulePx = 1;
    const OwnedRaster raster = EncodeRaster(&modulePx);
    if (!raster || !ComposeFromRaster(raster)) return FailBuild();
    const int32_t symbols = m_SymbolType == kAztecTypeRune ? 1 : m_SymbolCount;
    m_Frames = CutAnimationFrames(raster.width(), raster.height(), modulePx, symbols);
    if (m_Frames.count == 0) return true;  // the picture stands; there is nothing to cut
    m_Strip = MakeBitmap1(raster.width(), raster.height(), raster.bits());
    m_InfoText = Ascii(FormatText("%ix%i", m_Frames.width, m_Frames.height));
    std::string bytes;
    const std::filesystem::path temporary = TemporaryGifPath();
    if (!temporary.empty() && EncodeGif(&bytes)) ReplaceTemporaryFile(temporary, bytes);
    return true;
}

bool CAztecAnimatedDoc::EncodeGif(std::string* bytes, std::string* error) const {
    if (m_SymbolCount < 2) {
        SetError(error, "an animated sequence needs at least 2 symbols.");
        return false;
    }
    if (m_Strip.empty() || m_Frames.count != m_SymbolCount) {
        SetError(error, "the last build did not make a sequence of that many symbols.");
        return false;
    }
    const GifAnimationEncoder encoder = InstalledGifAnimationEncoder();
    if (!encoder) {
        SetError(error, "no GIF writer is installed.");
        return false;
    }
    GifAnimation animation;
    animation.strip = &m_Strip;
    animation.frames = m_Frames;
    animation.delay = static_cast<uint16_t>(std::clamp(m_FrameTime, kMinFrameTime, kMaxFrameTime));
    animation.loops = static_cast<uint16_t>(std::clamp(m_Loops, 0, kMaxLoops));
    bytes->clear();
    if (encoder(animation, bytes)) return true;
    SetError(error, "the GIF encoder failed.");
    return false;
}

bool CAztecAnimatedDoc::WriteGif(const std::filesystem::path& path, std::string* error) const {
    if (path.empty()) {
        SetError(error, "Nothing was written: no output file name.");
        return false;
    }
    std::string bytes, reason;
    if (!EncodeGif(&bytes, &reason)) {
        if (error) *error = "Nothing was written: " + reason;
        return false;
    }
    return SaveBytesSafely(path, bytes, error, Durability::Atomic);
}

std::filesystem::path CAztecAnimatedDoc::TemporaryGifPath() {
    const char* folder = std::getenv("TEMP");
    if (!folder || !*folder) folder = std::getenv("TMP");
    if (!folder || !*folder) return {};
    return std::filesystem::path(folder) / "tsy.gif";
}

bool CAztecAnimatedDoc::ApplyCommandLine(const CommandLineOptions& options,
                                         const CommandLineWriter& write) {
    ApplyCommonOptions(options);
    // The producer refuses values outside these ranges with a message; other callers are held
    // to what a GIF can carry.
    m_SymbolCount = std::clamp(options.symbols, 1, kMaxAnimationSymbols);
    m_FrameTime = std::clamp(options.frameTime, kMinFrameTime, kMaxFrameTime);
    m_AppendId = options.appendId.substr(0, kAztecAppendIdMax);
    m_Loops = std::clamp(options.loops, 0, kMaxLoops);
    m_OutputName = options.outputName;
    if (!BuildSymbol()) return false;
    return write && write(*this, options.outputName);
}

}  // namespace tsy
