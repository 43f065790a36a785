#include "symbologies/code39/code39_doc.h"

#include "encoders/linear/linear_encoders.h"
#include "message/codepage_table.h"

namespace tsy {

CCode39Doc::CCode39Doc() : CEncoderDoc(kCode39DocumentType) {}

bool CCode39Doc::BuildSymbol() {
    if (m_Message.empty()) return FailBuild();
    // Whatever the sizing page shows, the wide element is three narrow ones.
    m_WideRatio = kCode39Ratio;
    PrepareMessage();
    const int64_t narrow = int64_t{HorizontalScale()} * ModulePixels().x;
    const int64_t wide = static_cast<int64_t>(static_cast<double>(narrow) * m_WideRatio);
    const int64_t bar = BarPixels();
    if (!PixelSizeFits(narrow) || !PixelSizeFits(wide) || !PixelSizeFits(bar)) return FailBuild();

    const OwnedRaster raster =
        linear::Code39Raster(reinterpret_cast<const uint8_t*>(m_MessageBytes.data()),
                             static_cast<int32_t>(m_MessageBytes.size()),
                             static_cast<int32_t>(wide), static_cast<int32_t>(narrow),
                             static_cast<int32_t>(bar), m_CheckCharacter != 0, m_MenuCode != 0);
    if (!raster) return FailBuild();
    m_ModuleColumns = raster.width() / static_cast<int32_t>(narrow);
    return ComposeFromRaster(raster);
}

}  // namespace tsy
