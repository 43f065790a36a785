#include "document/encoder_doc.h"

#include "document/mils.h"
#include "document/sheet_runner.h"
#include "imaging/raster_limits.h"
#include "message/codepage_table.h"
#include "message/eci_table.h"
#include "message/prepare_message.h"
#include "platform/bitmap_ops.h"
#include "platform/screen.h"

namespace tsy {

CEncoderDoc::CEncoderDoc(const DocumentType& type) : type_(type) {
    const DocumentDefaults& d = type.defaults;
    m_ElementWidth = d.elementWidth;
    m_ElementHeight = d.elementHeight;
    m_SymbolHeight = d.symbolHeight;
    m_ModuleRows = d.moduleRows;
    m_UseEci = d.useEci;
    ResetFontFromFace();
    LoadSettings();
}

CEncoderDoc::~CEncoderDoc() = default;

bool PixelSizeFits(int64_t pixels) {
    return pixels >= 1 && pixels <= kMaxRasterSide;
}

bool CEncoderDoc::ApplyCommandLine(const CommandLineOptions& options,
                                   const CommandLineWriter& write) {
    ApplyCommonOptions(options);
    if (!BuildSymbol()) return false;
    return write && write(*this, options.outputName);
}

void CEncoderDoc::SelectCodepage(std::u16string_view name) {
    const EciLookup found = FindEciByName(name);
    m_Codepage = static_cast<int32_t>(found.codePage);
    m_Eci = found.eci;
}

void CEncoderDoc::StoreTrailer(CArchive&) const {}

void CEncoderDoc::LoadTrailer(CArchive&, bool) {}

void CEncoderDoc::SelectCodepageExact(std::u16string_view name) {
    m_Codepage = static_cast<int32_t>(FindCodepageExact(name).codePage);
    m_Eci = -1;
}

bool CEncoderDoc::EditNewSymbol(SheetRunner& runner) {
    const bool confirmed = runner.RunSheet(*this);
    if (!confirmed || m_Message.empty()) {
        m_Message.clear();
        return BuildSymbol();
    }
    return true;  // the sheet's pages have built the symbol
}

bool CEncoderDoc::OnNewDocument(SheetRunner* runner, bool embedded) {
    LoadSettings();
    if (embedded) return true;
    return runner != nullptr && EditNewSymbol(*runner);
}

void CEncoderDoc::OnCloseDocument() {
    SaveSettings();
}

bool CEncoderDoc::TranslateToCodepage(int32_t codepage) {
    PreparedMessage prepared = tsy::PrepareMessage(m_Message, m_ViewStyle, codepage);
    m_MessageBytes = std::move(prepared.bytes);
    return prepared.accurate;
}

void CEncoderDoc::PrepareMessage(int32_t defaultCodepage) {
    if (m_Codepage == 0) m_Codepage = defaultCodepage;
    m_Accurate = TranslateToCodepage(m_Codepage) ? 1 : 0;
}

PixelPair CEncoderDoc::ModulePixels() const {
    return {MilsToPixels(ResolutionX(), m_ElementWidth),
            MilsToPixels(ResolutionY(), m_ElementHeight)};
}

int64_t CEncoderDoc::BarPixels() const {
    return MilsToPixels(ResolutionY(), m_SymbolHeight);
}

int CEncoderDoc::ResolutionX() const {
    return dpi_ > 0 ? dpi_ : ScreenDpiX();
}

int CEncoderDoc::ResolutionY() const {
    return dpi_ > 0 ? dpi_ : ScreenDpiY();
}

Font CEncoderDoc::FontAtResolution() const {
    const int screen = ScreenDpiY();
    const int dpi = ResolutionY();
    if (dpi == screen || m_Font.empty()) return m_Font;
    LogFont lf = m_Font.logFont();
    // A point font is sized afresh; rounding the screen's pixel height up by the ratio would
    // carry its rounding error along.
    if (lf.height == PointSizeToHeight(m_FontSize, screen))
        lf.height = PointSizeToHeight(m_FontSize, dpi);
    else
        lf.height = MulDiv(lf.height, dpi, screen);
    return Font::CreateFontIndirect(lf);
}

void CEncoderDoc::ApplyCommonOptions(const CommandLineOptions& o) {
    m_Message = o.message;
    m_Caption = o.caption;
    m_AddMessage = o.addMessage;
    if (o.elementWidth > 0) m_ElementWidth = o.elementWidth;
    if (o.symbolHeight > 0) m_SymbolHeight = o.symbolHeight;
    if (o.dpi > 0) SetResolution(o.dpi);
    if (o.codepage > 0) m_Codepage = o.codepage;
    m_UseEci = o.useEci ? 1 : 0;
    // Derived even when the code page was not given: code page 0 has no ECI.
    m_Eci = EciForCodepage(static_cast<uint32_t>(m_Codepage));
    if (!o.fontFace.empty() || o.fontSize > 0) {
        if (o.fontSize > 0) m_FontSize = o.fontSize;
        const std::u16string_view face =
            o.fontFace.empty() ? std::u16string_view(u"Arial") : std::u16string_view(o.fontFace);
        m_Font = Font::CreatePointFont(m_FontSize, face);
    }
}

bool CEncoderDoc::FailBuild() {
    m_Picture.Clear();
    lastBuild_ = SymbolBuild{};
    return false;
}

bool CEncoderDoc::ComposeFromRaster(const OwnedRaster& raster, bool withMessage) {
    if (!raster || !RasterSizeOk(raster.width(), raster.height())) return FailBuild();
    Bitmap1 symbol = MakeBitmap1(raster.width(), raster.height(), raster.bits());
    const int32_t scaleX = HorizontalScale();
    const bool messageAbove = withMessage && m_AddMessage;
    lastBuild_ = {symbol, ResolutionX(), ResolutionY(), messageAbove};
    const Font font = FontAtResolution();
    bool composed = false;
    if (messageAbove) {
        CCaptionedBitmap withText;
        if (!withText.Compose(symbol, m_Message, kCaptionAbove, &font, scaleX, 1))
            return FailBuild();
        RgbImage intermediate = withText.Detach();
        composed = m_Picture.Compose(intermediate, m_Caption, kCaptionBelow, &font, scaleX, 1);
    } else {
        composed = m_Picture.Compose(symbol, m_Caption, m_CapPosition, &font, scaleX, 1);
    }
    if (!composed) lastBuild_ = SymbolBuild{};
    return composed;
}

}  // namespace tsy
