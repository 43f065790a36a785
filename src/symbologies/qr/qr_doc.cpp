#include "symbologies/qr/qr_doc.h"

#include "document/mils.h"
#include "encoders/qr/qr_encoder.h"
#include "message/codepage_table.h"

namespace tsy {

CQRDoc::CQRDoc() : CEncoderDoc(kQRDocumentType) {}

bool CQRDoc::BuildSymbol() {
    if (m_Message.empty()) return FailBuild();
    PrepareMessage();
    const int64_t modulePx = ModulePixels().x;
    if (!PixelSizeFits(modulePx)) return FailBuild();
    const int32_t ms = static_cast<int32_t>(modulePx);

    QREncodeArgs args{};
    args.message = reinterpret_cast<const unsigned char*>(m_MessageBytes.data());
    args.length = static_cast<int32_t>(m_MessageBytes.size());
    args.model = m_Model;
    args.reverseVideo = m_ReverseVideo;
    args.errorCorrectionLevel = m_ErrorCorrectionLevel;
    args.moduleSize = ms;
    args.undercut = m_Undercut;

    const OwnedRaster raster = qr::QRRaster(args);
    const int32_t width = raster.width(), height = raster.height();  // 0 without a symbol

    m_ModuleColumns = width / ms;
    m_ElementHeight = m_ElementWidth;
    m_ModuleRows = width / ms;  // square symbol
    m_SymbolHeight = SaturatedFigure(m_ElementWidth, height / ms);
    if (!raster) return FailBuild();
    // QR never draws the message above the symbol, whatever AddMessage says.
    return ComposeFromRaster(raster, false);
}

}  // namespace tsy
