#include <qrencode.h>

#include <memory>

#include "encoders/qr_iso/qr_iso_encoder.h"
#include "imaging/scalers.h"
#include "imaging/symbol_raster.h"

namespace tsy {
namespace {

// Our levels are numbered by their format bits (M, L, H, Q); libqrencode's by strength.
constexpr QRecLevel kLevels[] = {QR_ECLEVEL_M, QR_ECLEVEL_L, QR_ECLEVEL_H, QR_ECLEVEL_Q};

struct FreeQrCode {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

std::optional<ModuleMatrix> QrIsoBuildMatrix(const uint8_t* message, int length, int level) {
    if (level < 0 || level > 3 || length <= 0 || !message) return std::nullopt;
    // Version 0 lets libqrencode take the smallest that fits; 8-bit mode keeps the bytes as
    // they are instead of switching to numeric or alphanumeric runs.
    const std::unique_ptr<QRcode, FreeQrCode> code(
        QRcode_encodeData(length, message, 0, kLevels[level]));
    if (!code || code->width <= 0) return std::nullopt;
    const int size = code->width;
    ModuleMatrix m(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (code->data[y * size + x] & 1) m.set(x, y);
    return m;
}

BlockHandle QrIsoEncode(const QREncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                        void** pixelsOut) {
    if (heightOut) *heightOut = 0;
    if (widthOut) *widthOut = 0;
    if (pixelsOut) *pixelsOut = nullptr;
    if (!args) return nullptr;
    const auto matrix = QrIsoBuildMatrix(args->message, args->length, args->errorCorrectionLevel);
    if (!matrix) return nullptr;
    const int32_t moduleSize = args->moduleSize > 0 ? args->moduleSize : 1;
    int32_t height = matrix->height(), width = matrix->width();
    BlockHandle block = ScaleModuleMatrix(*matrix, &height, &width, moduleSize, moduleSize,
                                          args->reverseVideo != 0, args->undercut);
    return FinishRaster(block, height, width, heightOut, widthOut, pixelsOut);
}

}  // namespace tsy
