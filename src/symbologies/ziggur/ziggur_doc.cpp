#include "symbologies/ziggur/ziggur_doc.h"

#include <algorithm>

#include "encoders/ziggur/ziggur_encoder.h"
#include "imaging/raster_limits.h"
#include "message/codepage_table.h"
#include "message/markup.h"
#include "message/prepare_message.h"

namespace tsy {
namespace {

using ziggur::ZiggurHostLayout;
using ziggur::ZiggurHostRecord;
using ziggur::ZiggurHostRows;

constexpr char kHostLetters[] = "3UIB91";
constexpr int64_t kHostHeightModules = 5;

bool IsItf(int32_t host) {
    return host == kZiggurHostItf || host == kZiggurHostItfBearers;
}

}  // namespace

std::u16string_view ZiggurHostLabel(int32_t host) {
    static constexpr std::u16string_view kLabels[] = {
        u"Code 39", u"UPC/EAN", u"Interleaved 2 of 5", u"Interleaved 2 of 5 (w/bearer bars)",
        u"Code 93", u"Code 128"};
    return host >= 0 && host <= kZiggurLastHost ? kLabels[host] : std::u16string_view{};
}

CZiggurDoc::CZiggurDoc() : CEncoderDoc(kZiggurDocumentType) {}

bool CZiggurDoc::MakeHostRecord(ZiggurHostRecord* host) const {
    if (m_HostSymbology < 0 || m_HostSymbology > kZiggurLastHost) return false;
    host->hostSymbology = kHostLetters[m_HostSymbology];
    const PreparedMessage bytes = tsy::PrepareMessage(m_HostMessage, m_ViewStyle, CP_ISO8859_1);
    // Never cut or substituted: a host that would not carry the message as written fails.
    if (!bytes.accurate || bytes.bytes.size() > ziggur::kZiggurMaxHostMessage) return false;
    if (std::find(bytes.bytes.begin(), bytes.bytes.end(), '\0') != bytes.bytes.end()) return false;
    std::fill(std::begin(host->hostMessage), std::end(host->hostMessage), '\0');
    std::copy(bytes.bytes.begin(), bytes.bytes.end(), host->hostMessage);
    host->narrowWidth = 1;
    host->wideWidth = 2;
    host->barrierRows = m_BarrierRows;
    host->symmetry = m_Symmetry;
    host->hostHeight = -1;
    if (!m_DefaultHostHeight) {
        const int64_t rows = kHostHeightModules * ModulePixels().y;
        if (rows > kMaxRasterSide) return false;
        host->hostHeight = static_cast<int32_t>(rows);
    }
    return true;
}

bool CZiggurDoc::HostEncodes() const {
    ZiggurHostRecord host;
    ZiggurHostRows rows;
    ZiggurHostLayout layout;
    return MakeHostRecord(&host) && ziggur::EncodeZiggurHost(host, rows, layout);
}

bool CZiggurDoc::BuildSymbol() {
    if (m_Message.empty()) return FailBuild();
    const int64_t modulePx = ModulePixels().x;
    if (!PixelSizeFits(modulePx)) return FailBuild();
    const int32_t ms = static_cast<int32_t>(modulePx);
    PrepareMessage();
    // A message of raw line breaks or tabs only has no bytes: no symbol, not a mode message
    // for D - 1 = -1.
    if (m_MessageBytes.empty()) return FailBuild();

    aztec::AztecEncodeArgs args{};
    args.message = reinterpret_cast<const uint8_t*>(m_MessageBytes.data());
    args.length = static_cast<int32_t>(m_MessageBytes.size());
    args.moduleSize = ms;
    args.menu = m_MenuSymbol ? 1 : 0;
    args.undercut = m_Undercut;
    ZiggurHostRecord host;
    if (!MakeHostRecord(&host)) return FailBuild();

    const OwnedRaster raster = ziggur::ZiggurRaster(args, host);
    if (!raster) return FailBuild();
    m_ModuleColumns = raster.width() / ms;
    m_ModuleRows = raster.height() / ms;
    // The message is never drawn above a Ziggur symbol.
    return ComposeFromRaster(raster, false);
}

bool CZiggurDoc::ApplyCommandLine(const CommandLineOptions& options,
                                  const CommandLineWriter& write) {
    if (options.hostSymbology >= 0) m_HostSymbology = options.hostSymbology;
    if (options.hostMessage) m_HostMessage = *options.hostMessage;
    if (options.symmetry >= 0) m_Symmetry = options.symmetry;
    if (options.barrierRows >= 0) m_BarrierRows = options.barrierRows;
    return CEncoderDoc::ApplyCommandLine(options, write);
}

void CZiggurDoc::RestyleHostMessage(MarkupStyle style) {
    if (style == m_ViewStyle) return;
    m_HostMessage =
        FormatMarkup(ParseMarkup(m_HostMessage, m_ViewStyle, true), style, false, false);
}

std::u16string CZiggurDoc::MenuHostMessage() const {
    return IsItf(m_HostSymbology) ? u"0000" : u"0";
}

void CZiggurDoc::SetMenuSymbol(bool on) {
    if (on == (m_MenuSymbol != 0)) return;
    m_MenuSymbol = on ? 1 : 0;
    if (on) {
        hostMessageBeforeMenu_ = m_HostMessage;
        m_HostMessage = MenuHostMessage();
    } else {
        m_HostMessage = hostMessageBeforeMenu_;
    }
}

}  // namespace tsy
