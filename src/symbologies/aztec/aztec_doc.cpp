#include "symbologies/aztec/aztec_doc.h"

#include <cstring>

#include "document/mils.h"
#include "encoders/aztec/aztec_encoder.h"
#include "message/codepage_table.h"
#include "message/codepage_translator.h"
#include "message/eci_table.h"

namespace tsy {

namespace {

constexpr char kEsc = '\x1b';

}  // namespace

CAztecDoc::CAztecDoc() : CAztecDoc(kAztecDocumentType) {}

MessageBytes CAztecDoc::EncoderBytes(bool* escapes) const {
    *escapes = false;
    const bool eciType = m_SymbolType == kAztecTypeNormal ||
                         (m_SymbolType == kAztecTypeMenu && MenuKeepsCodepageAndEci());
    if (!eciType || !m_UseEci || m_Eci < 0) return m_MessageBytes;
    MessageBytes bytes = AztecEciPrefix(m_Eci);
    if (bytes.empty()) return m_MessageBytes;  // no escape for that number
    *escapes = true;
    bytes.reserve(bytes.size() + 2 * m_MessageBytes.size());
    for (char c : m_MessageBytes) {
        bytes.push_back(c);
        if (c == kEsc) bytes.push_back(kEsc);  // a literal ESC once escapes are read
    }
    return bytes;
}

std::u16string CAztecDoc::AppendIdError() const {
    if (m_SymbolCount < 2 || m_AppendId.find(u' ') == std::u16string::npos) return {};
    return u"the append ID \"" + m_AppendId +
           u"\" contains a space, which readers take for the end of the ID.";
}

OwnedRaster CAztecDoc::EncodeRaster(int32_t* modulePx) {
    const int64_t px = ModulePixels().x;  // Aztec modules are square
    if (!PixelSizeFits(px)) return {};
    const int32_t ms = static_cast<int32_t>(px);
    *modulePx = ms;

    aztec::AztecEncodeArgs args{};
    args.symbols = m_SymbolCount;
    args.menu = m_SymbolType == kAztecTypeMenu ? 1 : 0;
    args.reverseVideo = m_ReverseVideo;
    args.undercut = m_Undercut;
    args.moduleSize = ms;
    args.sizeChoice = m_SymbolType == kAztecTypeRune ? aztec::kAztecRune : m_ErrorCorrection;
    std::memset(args.appendId, 0, sizeof args.appendId);
    ToBoundedBytes(m_AppendId, CP_ISO8859_1, args.appendId, kAztecAppendIdMax);

    if (m_SymbolType == kAztecTypeMenu && !MenuKeepsCodepageAndEci()) m_Codepage = CP_ISO8859_1;
    PrepareMessage();
    bool escapes = false;
    const MessageBytes bytes = EncoderBytes(&escapes);
    args.escapeProcessing = escapes ? 1 : 0;
    args.message = reinterpret_cast<const uint8_t*>(bytes.data());
    args.length = static_cast<int32_t>(bytes.size());

    OwnedRaster raster = aztec::AztecRaster(args);
    // Stored even when the encoder failed, as a symbol of kAztecFailedSidePx a side.
    const int32_t width = raster ? raster.width() : aztec::kAztecFailedSidePx;
    const int32_t height = raster ? raster.height() : aztec::kAztecFailedSidePx;
    m_ModuleColumns = width / ms;
    m_ModuleRows = height / ms;
    m_ElementHeight = m_ElementWidth;
    m_SymbolHeight = SaturatedFigure(m_ElementWidth, m_ModuleRows);
    return raster;
}

bool CAztecDoc::BuildSymbol() {
    if (m_Message.empty()) return FailBuild();
    int32_t modulePx = 1;
    const OwnedRaster raster = EncodeRaster(&modulePx);
    if (!raster) return FailBuild();
    return ComposeFromRaster(raster);
}

bool CAztecDoc::ApplyCommandLine(const CommandLineOptions& options,
                                 const CommandLineWriter& write) {
    m_SymbolType = options.menuSymbol ? kAztecTypeMenu : kAztecTypeNormal;
    return CEncoderDoc::ApplyCommandLine(options, write);
}

}  // namespace tsy
