#include <qrencode.h>

#include <memory>

#include "encoders/qr_iso/qr_iso_encoder.h"
#include "imaging/scalers.h"
#include "platform/lazy_library.h"

namespace tsy::qr_iso {
namespace {

// Our levels are numbered by their format bits (M, L, H, Q); libqrencode's by strength.
constexpr QRecLevel kLevels[] = {QR_ECLEVEL_M, QR_ECLEVEL_L, QR_ECLEVEL_H, QR_ECLEVEL_Q};

// Opened at the first Model 2 symbol: only those need it, and loading it at start-up cost every
// producer run.
struct QrencodeApi {
    decltype(&::QRcode_encodeData) encodeData = nullptr;
    decltype(&::QRcode_free) free = nullptr;
};

// Null when the library cannot be loaded: no Model 2 symbol is then built.
const QrencodeApi* Qrencode() {
    static const QrencodeApi api = [] {
        static const LazyLibrary lib({"libqrencode.so.4", "libqrencode.so"});
        QrencodeApi a;
        if (!lib.bind(a.encodeData, "QRcode_encodeData") || !lib.bind(a.free, "QRcode_free"))
            a = {};
        return a;
    }();
    return api.encodeData ? &api : nullptr;
}

struct FreeQrCode {
    void operator()(QRcode* code) const { Qrencode()->free(code); }
};

}  // namespace

std::optional<ModuleMatrix> QRModel2Matrix(const uint8_t* message, int length, int level) noexcept {
    if (level < 0 || level > 3 || length <= 0 || !message) return std::nullopt;
    const QrencodeApi* qrencode = Qrencode();
    if (!qrencode) return std::nullopt;
    try {
        // Version 0 lets libqrencode take the smallest that fits; 8-bit mode keeps the bytes as
        // they are instead of switching to numeric or alphanumeric runs.
        const std::unique_ptr<QRcode, FreeQrCode> code(
            qrencode->encodeData(length, message, 0, kLevels[level]));
        if (!code || code->width <= 0) return std::nullopt;
        const int size = code->width;
        ModuleMatrix m(size, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (code->data[y * size + x] & 1) m.set(x, y);
        return m;
    } catch (...) {
        return std::nullopt;
    }
}

OwnedRaster QRModel2Raster(const QREncodeArgs& args) noexcept {
    try {
        const auto matrix = QRModel2Matrix(args.message, args.length, args.errorCorrectionLevel);
        if (!matrix) return {};
        const int32_t moduleSize = args.moduleSize > 0 ? args.moduleSize : 1;
        return ScaledRaster(*matrix, moduleSize, moduleSize, args.reverseVideo != 0, args.undercut);
    } catch (...) {
        return {};
    }
}

}  // namespace tsy::qr_iso
