#include "symbologies/code128/code128_doc.h"

#include "encoders/linear/linear_encoders.h"
#include "message/codepage_table.h"
#include "symbologies/code128/menu128_hex.h"

namespace tsy {

namespace {

constexpr char kFnc3Byte = '\x82';

}  // namespace

CCode128Doc::CCode128Doc() : CEncoderDoc(kCode128DocumentType) {}

MessageBytes CCode128Doc::VariantBytes() const {
    MessageBytes bytes = m_MessageBytes;
    if (m_LeadingTilde) bytes.insert(bytes.begin(), '~');
    if (m_TrailingFnc3) bytes.push_back(kFnc3Byte);
    if (m_LeadingFnc3) bytes.insert(bytes.begin(), kFnc3Byte);
    return bytes;
}

bool CCode128Doc::BuildSymbol() {
    if (m_Message.empty() && !m_Menu128) return FailBuild();
    PrepareMessage();
    const int64_t x = ModulePixels().x;
    const int64_t bar = BarPixels();
    if (!PixelSizeFits(x) || !PixelSizeFits(bar)) return FailBuild();

    OwnedRaster raster;
    if (m_Menu128) {
        const std::array<uint8_t, 4> data = ReadMenuData(m_MenuData);
        const uint32_t offset = ReadMenuHex(m_MenuOffset);
        raster = linear::Menu128Raster(
            m_MenuId, m_MenuOpcode, static_cast<int32_t>(offset > INT32_MAX ? INT32_MAX : offset),
            data.data(), static_cast<int32_t>(x), static_cast<int32_t>(bar));
    } else {
        const MessageBytes bytes = VariantBytes();
        raster = linear::Code128Raster(reinterpret_cast<const uint8_t*>(bytes.data()),
                                       static_cast<int32_t>(bytes.size()), static_cast<int32_t>(x),
                                       static_cast<int32_t>(bar));
    }
    if (!raster) return FailBuild();
    m_ModuleColumns = raster.width() / static_cast<int32_t>(x);
    return ComposeFromRaster(raster);
}

bool CCode128Doc::ApplyCommandLine(const CommandLineOptions& options,
                                   const CommandLineWriter& write) {
    if (options.menuSymbol) {
        m_TrailingFnc3 = 1;
        m_LeadingTilde = 1;
    } else {
        m_TrailingFnc3 = options.trailingFnc3 ? 1 : 0;
        m_LeadingFnc3 = options.leadingFnc3 ? 1 : 0;
        m_LeadingTilde = options.leadingTilde ? 1 : 0;
    }
    return CEncoderDoc::ApplyCommandLine(options, write);
}

}  // namespace tsy
