// The size a document's picture takes on a surface: on a printer the symbol's physical size
// from its module count and the sizes in mils, on the screen the picture's own pixels.
#pragma once

#include <cstdint>

namespace tsy {
class CEncoderDoc;
}

namespace tsy::gui {

struct DeviceSize {
    int64_t width = 0;
    int64_t height = 0;
    bool operator==(const DeviceSize&) const = default;
};

// The picture's size in pixels; (0, 0) without a picture.
DeviceSize SymbolDeviceSize(const CEncoderDoc& doc);

// On a printing surface of dpiX x dpiY: width = MulDiv(dpiX, ModuleColumns * ElementWidth, 1000)
// times HorizontalScale, height = SymbolHeight * dpiY / 1000; the picture's size when that width
// is 0.
DeviceSize SymbolDeviceSize(const CEncoderDoc& doc, int dpiX, int dpiY);

}  // namespace tsy::gui
