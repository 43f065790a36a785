#include "symbologies/pdf417/pdf417_doc.h"

#include "document/mils.h"
#include "encoders/pdf417/pdf417.h"
#include "message/codepage_table.h"

namespace tsy {

CPDF417Doc::CPDF417Doc() : CEncoderDoc(kPDF417DocumentType) {}

bool CPDF417Doc::BuildSymbol() {
    if (m_Message.empty()) return FailBuild();
    PrepareMessage();
    const PixelPair module = ModulePixels();
    if (!PixelSizeFits(module.x) || !PixelSizeFits(module.y)) return FailBuild();

    PDF417EncodeArgs args{};
    args.message = reinterpret_cast<const unsigned char*>(m_MessageBytes.data());
    args.length = static_cast<int32_t>(m_MessageBytes.size());
    args.errorCorrectionLevel = m_ErrorCorrectionLevel;
    args.dataColumns = m_DataColumns;
    args.moduleWidth = static_cast<int32_t>(module.x);
    args.rowHeight = static_cast<int32_t>(module.y);
    args.truncate = m_Truncate;
    args.undercut = m_Undercut;

    // The designator is process-wide: set it right before every encode.
    pdf417::SetPDF417_ECI(m_UseEci && m_Eci >= 0 ? m_Eci : -1);
    const OwnedRaster raster = pdf417::PDF417Raster(args);
    if (!raster) return FailBuild();

    m_ModuleColumns = raster.width() / args.moduleWidth;
    m_ModuleRows = raster.height() / args.rowHeight;
    m_SymbolHeight = SaturatedFigure(m_ElementHeight, m_ModuleRows);
    return ComposeFromRaster(raster);
}

}  // namespace tsy
