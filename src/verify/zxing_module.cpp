#include "verify/zxing_module.h"

#include <ZXing/ReadBarcode.h>

#include "verify/symbol_reader.h"

namespace {

ZXing::BarcodeFormat Format(int format) {
    switch (static_cast<tsy::ReaderFormat>(format)) {
        case tsy::ReaderFormat::Aztec:
            return ZXing::BarcodeFormat::Aztec;
        case tsy::ReaderFormat::PDF417:
            return ZXing::BarcodeFormat::PDF417;
        case tsy::ReaderFormat::QRCode:
            return ZXing::BarcodeFormat::QRCode;
        case tsy::ReaderFormat::Code128:
            return ZXing::BarcodeFormat::Code128;
        case tsy::ReaderFormat::Code39:
            return ZXing::BarcodeFormat::Code39;
    }
    return ZXing::BarcodeFormat::None;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int tsy_read_grey(const uint8_t* grey, int width,
                                                                    int height, int format,
                                                                    int code39Check,
                                                                    TsyReadOutcome* out) {
    const ZXing::BarcodeFormat wanted = Format(format);
    if (!grey || width < 1 || height < 1 || !out || wanted == ZXing::BarcodeFormat::None) return 0;
    try {
        ZXing::DecodeHints hints;
        hints.setFormats(wanted);
        hints.setTryHarder(true);
        hints.setTryRotate(false);
        // Debian's 1.4 aborts on some large linear symbols when it downscales.
        hints.setTryDownscale(false);
        // The program's Code 39 is always full ASCII.
        hints.setTryCode39ExtendedMode(true);
        hints.setValidateCode39CheckSum(code39Check != 0);
        hints.setCharacterSet("ISO-8859-1");
        const ZXing::ImageView view(grey, width, height, ZXing::ImageFormat::Lum);
        const ZXing::Result result = ZXing::ReadBarcode(view, hints);
        if (!result.isValid()) return 0;
        const auto& bytes = result.bytes();
        if (out->append) out->append(out->context, bytes.data(), bytes.size());
        out->sequenceIndex = result.sequenceIndex();
        out->sequenceSize = result.sequenceSize();
        out->readerInit = result.readerInit() ? 1 : 0;
        return 1;
    } catch (...) {
        return 0;  // nothing escapes into a caller that knows no C++ of this library
    }
}
