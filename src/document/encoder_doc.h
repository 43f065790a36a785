// The symbol document base: message, caption, code page and ECI, sizes in mils, caption font and
// the built picture, and the build cycle every symbology's document follows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/command_line_options.h"
#include "document/document_type.h"
#include "imaging/captioned_bitmap.h"
#include "imaging/symbol_raster.h"
#include "message/markup.h"
#include "message/message_bytes.h"
#include "platform/font.h"

namespace tsy {

class CArchive;
class SheetRunner;
class CEncoderDoc;

// Writes the built document to the output name of a command-line run (the export layer supplies
// it; the document layer cannot reach the writers). Returns true when the file was written.
using CommandLineWriter = std::function<bool(CEncoderDoc& doc, const std::u16string& outputName)>;

inline constexpr int32_t kEncoderDocVersion = 301;
inline constexpr int32_t kMinFontSize = 1;
inline constexpr int32_t kMaxFontSize = 5000;
inline constexpr int32_t kDefaultFontSize = 100;

// What the last successful build drew before any caption: the encoder's raster at one bit (0
// black) and the resolution its pixels were sized for. The reader check and the vector writers
// start from it rather than from the captioned picture.
struct SymbolBuild {
    Bitmap1 symbol;
    int dpiX = 0;
    int dpiY = 0;
    bool messageAbove = false;  // AddMessage drew the message above the symbol
};

// Module and bar sizes in screen pixels; 64-bit so no size from a file or the command line can
// wrap before the builds compare it with the raster limits.
struct PixelPair {
    int64_t x = 1;
    int64_t y = 1;
};

class CEncoderDoc {
public:
    virtual ~CEncoderDoc();
    CEncoderDoc(const CEncoderDoc&) = delete;
    CEncoderDoc& operator=(const CEncoderDoc&) = delete;

    const DocumentType& Type() const { return type_; }
    DocumentKind Kind() const { return type_.kind; }
    int32_t MaxMessageLength() const { return type_.maxMessageLength; }
    ModuleSizeLimit MaxModuleSize() const { return type_.maxModuleSize; }

    // Horizontal magnification of the raster: builds multiply the module width by it, the view
    // and the metafile writer divide by it. 1 for every type.
    virtual int32_t HorizontalScale() const { return 1; }
    // Encodes the message and rebuilds the picture; false leaves no picture.
    virtual bool BuildSymbol() = 0;
    // False when the build uses process-wide encoder state: builds of several copies of such a
    // document then take turns.
    virtual bool BuildsConcurrently() const { return true; }
    // Applies the options, builds and hands the document to write (may be empty: build only).
    // True only when the symbol was built and written.
    virtual bool ApplyCommandLine(const CommandLineOptions& options,
                                  const CommandLineWriter& write);
    // A name from the message page's character-set list: sets Codepage and Eci from the ECI
    // table (not found: 0 and -1).
    virtual void SelectCodepage(std::u16string_view name);

    // The fields the type writes before the base section of its file. Loading corrects every
    // enumerated or bounded value to its default.
    virtual void StoreTypeSection(CArchive& ar) const = 0;
    virtual void LoadTypeSection(CArchive& ar) = 0;
    // Fields written after the base section (only Code 128 has any). baseComplete is false when
    // the base section stopped at a picture it could not make: the trailer's position is unknown.
    virtual void StoreTrailer(CArchive& ar) const;
    virtual void LoadTrailer(CArchive& ar, bool baseComplete);
    // Settings its file does not hold (the build resolution, the type's own): a copy made
    // through the file, and a sheet cancelled after changing them, take them from `from`, a
    // document of the same type.
    virtual void CopyUnsavedSettings(const CEncoderDoc& from) { dpi_ = from.dpi_; }

    // Runs the sheet of a fresh document; false abandons the new document.
    bool EditNewSymbol(SheetRunner& runner);

    // New document: the profile defaults, then the sheet unless it is created embedded.
    bool OnNewDocument(SheetRunner* runner, bool embedded = false);
    // Closing: the profile keeps the settings of the document closed last.
    void OnCloseDocument();

    // Expands Message and translates it into MessageBytes; true when nothing was lost.
    bool TranslateToCodepage(int32_t codepage);
    // Codepage 0 becomes defaultCodepage (and stays); then Accurate := TranslateToCodepage.
    void PrepareMessage(int32_t defaultCodepage);
    void PrepareMessage() { PrepareMessage(static_cast<int32_t>(type_.defaults.codepage)); }

    // Module and bar sizes at the build resolution.
    PixelPair ModulePixels() const;
    int64_t BarPixels() const;

    // The resolution builds size their pixels (and the caption font) for: 0, the default,
    // follows the screen; 72..2400 builds for print. Not part of the document file.
    void SetResolution(int dpi) { dpi_ = dpi; }
    int Resolution() const { return dpi_; }
    int ResolutionX() const;
    int ResolutionY() const;

    // Empty before the first build, after a failed one and after loading a picture from a file.
    const SymbolBuild& LastBuild() const { return lastBuild_; }
    void ForgetLastBuild() { lastBuild_ = SymbolBuild{}; }

    void LoadSettings();
    void SaveSettings();

    // The caption font as text; FontSize is first reset to 100 when outside 1..5000.
    std::u16string FontDescription();
    // Sets Font and FontSize from a description; nothing readable: FontSize and FontFace.
    void ApplyFontDescription(std::u16string_view description);
    // Recreates Font as a point font of FontSize and FontFace.
    void ResetFontFromFace();

    // Message, caption, sizes, code page, ECI and caption font of a command-line run.
    void ApplyCommonOptions(const CommandLineOptions& options);

    // Fields, named as the document file lists them.
    std::u16string m_Message;
    MessageBytes m_MessageBytes;
    std::u16string m_Caption;
    std::u16string m_DefaultExt = u"bmp";
    int32_t m_Version = kEncoderDocVersion;
    MarkupStyle m_ViewStyle = MarkupStyle::Bracket;
    int32_t m_Codepage = 0;
    int32_t m_Eci = -1;
    int32_t m_UseEci;  // the type's default in a new document
    int32_t m_Accurate = 1;
    EnterMode m_CrLfStyle = EnterMode::CrLf;
    std::u16string m_FontFace = u"ARIAL";
    Font m_Font;
    int32_t m_FontSize = kDefaultFontSize;  // tenths of a point
    int32_t m_CapPosition = kCaptionBelow;
    // Element sizes, symbol height and module rows of a new document are the type's defaults.
    int32_t m_ElementWidth;       // mils
    int32_t m_ElementHeight;      // mils
    int32_t m_SymbolHeight;       // mils
    int32_t m_SymbolWidth = 250;  // mils
    int32_t m_ModuleColumns = 0;
    int32_t m_ModuleRows;
    float m_WideRatio = 2.5f;
    int32_t m_Undercut = 0;  // pixels
    bool m_AddMessage = false;
    CCaptionedBitmap m_Picture;

protected:
    // Base defaults, the type's defaults over them, then the profile's InitialView values (the
    // type's and the profile's fields do not overlap).
    explicit CEncoderDoc(const DocumentType& type);

    // Deletes the picture; the result of a failed build.
    bool FailBuild();
    // Turns the raster into the picture with its caption(s). withMessage: AddMessage draws
    // Message above the symbol (every type but QR).
    bool ComposeFromRaster(const OwnedRaster& raster, bool withMessage = true);
    // The linear types' choice: a whole code-page name, Codepage only (not found: 0), no ECI.
    void SelectCodepageExact(std::u16string_view name);

private:
    // The caption font at the build resolution: m_Font when that is the screen's.
    Font FontAtResolution() const;

    const DocumentType& type_;
    int dpi_ = 0;
    SymbolBuild lastBuild_;
};

// A pixel size an encoder argument may carry: within the raster side limit.
bool PixelSizeFits(int64_t pixels);

}  // namespace tsy
