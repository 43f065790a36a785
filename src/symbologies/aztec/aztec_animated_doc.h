// The animated Aztec sequence: a structured-append set of Aztec symbols written as the frames of
// an animated GIF, for readers pointed at a screen.
#pragma once

#include <filesystem>
#include <string>

#include "platform/bitmap.h"
#include "symbologies/aztec/aztec_animation.h"
#include "symbologies/aztec/aztec_doc.h"

namespace tsy {

extern const DocumentType kAztecAnimatedDocumentType;

class CAztecAnimatedDoc : public CAztecDoc {
public:
    // Reads the AztecAnimated settings; the destructor writes them back.
    CAztecAnimatedDoc();
    ~CAztecAnimatedDoc() override;

    // GIF's frame count, delay and repeat fields limit these.
    static constexpr int32_t kMaxAnimationSymbols = 26;
    static constexpr int32_t kMinFrameTime = 1;
    static constexpr int32_t kMaxFrameTime = 65535;
    static constexpr int32_t kMaxLoops = 65535;

    bool BuildSymbol() override;
    bool ApplyCommandLine(const CommandLineOptions& options,
                          const CommandLineWriter& write) override;
    void StoreTypeSection(CArchive& ar) const override;
    void LoadTypeSection(CArchive& ar) override;

    // Writes the frames of the last build to path, replacing the file only when the new one is
    // complete. False (with a message in *error when given) for fewer than 2 symbols, an empty
    // path, a strip not built for the present symbol count, or a file that cannot be written.
    bool WriteGif(const std::filesystem::path& path, std::string* error = nullptr) const;
    // The GIF file of the last build; false as WriteGif when there is nothing to write.
    bool EncodeGif(std::string* bytes, std::string* error = nullptr) const;

    // $TEMP/tsy.gif, or $TMP/tsy.gif when TEMP is empty; empty when both are.
    static std::filesystem::path TemporaryGifPath();

    void LoadAnimationSettings();
    void SaveAnimationSettings() const;

    const Bitmap1& Strip() const { return m_Strip; }
    const AnimationFrames& Frames() const { return m_Frames; }

    std::u16string m_InfoText;  // "%ix%i": frame width and height in pixels
    int32_t m_Loops = 0;        // 0 for ever, 1 once, n times
    int32_t m_FrameTime = 100;  // 10 ms steps
    std::u16string m_OutputName;
    int32_t m_AddCaption = 0;  // kept and saved; the frames never carry a caption

protected:
    bool MenuKeepsCodepageAndEci() const override { return true; }
    int32_t MaxSymbolCount() const override { return kMaxAnimationSymbols; }

private:
    void ClearStrip();

    Bitmap1 m_Strip;  // the last successful build, all symbols side by side
    AnimationFrames m_Frames;
};

}  // namespace tsy
