#include "gui/app/symbol_device_size.h"

#include "document/encoder_doc.h"

namespace tsy::gui {

DeviceSize SymbolDeviceSize(const CEncoderDoc& doc) {
    if (!doc.m_Picture.HasPicture()) return {};
    const RgbImage& picture = doc.m_Picture.Picture();
    return {picture.width, picture.height};
}

DeviceSize SymbolDeviceSize(const CEncoderDoc& doc, int dpiX, int dpiY) {
    // 64 bits throughout: module count times mils times dots per inch overflows 32.
    const int64_t mils = int64_t{doc.m_ModuleColumns} * doc.m_ElementWidth;
    const int64_t scaled = int64_t{dpiX} * mils;
    const int64_t rounded = scaled >= 0 ? (scaled + 500) / 1000 : -((-scaled + 500) / 1000);
    const int64_t width = rounded * doc.HorizontalScale();
    if (width != 0) return {width, int64_t{doc.m_SymbolHeight} * dpiY / 1000};
    return SymbolDeviceSize(doc);
}

}  // namespace tsy::gui
