#include <cstring>

#include "encoders/qr/qr_detail.h"
#include "encoders/qr/qr_encoder.h"
#include "imaging/scalers.h"

namespace tsy::qr {

std::optional<ModuleMatrix> QrBuildMatrix(const uint8_t* message, int length, int level) {
    const int version = QrChooseVersion(length, level);
    if (version == 0 || (length > 0 && !message)) return std::nullopt;
    const int size = QrSymbolSize(version);
    ModuleMatrix m(size, size);
    QrDrawFunctionPatterns(m, level);
    QrPlaceCodewords(m, QrAddErrorCorrection(QrMessageCodewords(message, length, version, level),
                                             version, level));
    return m;
}

OwnedRaster QRRaster(const QREncodeArgs& args) noexcept {
    try {
        // The model (1 or 2) is accepted for compatibility; every symbol has the same layout.
        const auto matrix = QrBuildMatrix(args.message, args.length, args.errorCorrectionLevel);
        if (!matrix) return {};
        const int32_t moduleSize = args.moduleSize > 0 ? args.moduleSize : 1;
        int32_t height = matrix->height(), width = matrix->width();
        BlockHandle block = ScaleModuleMatrix(*matrix, &height, &width, moduleSize, moduleSize,
                                              args.reverseVideo != 0, args.undercut);
        return OwnedRaster::Adopt(block, height, width);
    } catch (...) {
        return {};
    }
}

BlockHandle QREncode(const QREncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                     void** pixelsOut) noexcept {
    if (heightOut) *heightOut = 0;
    if (widthOut) *widthOut = 0;
    if (pixelsOut) *pixelsOut = nullptr;
    if (!args) return nullptr;
    return QRRaster(*args).Release(heightOut, widthOut, pixelsOut);
}

void GetQREncoderRevString(char* buffer) noexcept {
    static constexpr char kRevision[] = "1.17.1.12 ";
    if (buffer) std::memcpy(buffer, kRevision, sizeof kRevision);
}

}  // namespace tsy::qr
