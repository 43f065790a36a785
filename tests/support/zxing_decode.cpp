#define ZX_USE_UTF8 1
#include "support/zxing_decode.h"

#include <ZXing/ReadBarcode.h>

#include <random>

namespace tsy::test {
namespace {

ZXing::BarcodeFormat ToFormat(Symbology s) {
    switch (s) {
        case Symbology::Aztec:
            return ZXing::BarcodeFormat::Aztec;
        case Symbology::PDF417:
            return ZXing::BarcodeFormat::PDF417;
        case Symbology::QRCode:
            return ZXing::BarcodeFormat::QRCode;
        case Symbology::Code128:
            return ZXing::BarcodeFormat::Code128;
        case Symbology::Code39:
            return ZXing::BarcodeFormat::Code39;
        case Symbology::EAN13:
            return ZXing::BarcodeFormat::EAN13;
        case Symbology::ITF:
            return ZXing::BarcodeFormat::ITF;
        case Symbology::Code93:
            return ZXing::BarcodeFormat::Code93;
    }
    return ZXing::BarcodeFormat::None;
}

}  // namespace

std::vector<uint8_t> RasterToGrey(const uint8_t* bits, int width, int height, int margin,
                                  bool zeroIsDark, int* outWidth, int* outHeight) {
    const int W = width + 2 * margin, H = height + 2 * margin;
    std::vector<uint8_t> grey(static_cast<std::size_t>(W) * H, 255);
    const int stride = (width + 15) / 16 * 2;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int bit = (bits[y * stride + x / 8] >> (7 - x % 8)) & 1;
            const bool dark = zeroIsDark ? bit == 0 : bit == 1;
            grey[static_cast<std::size_t>(y + margin) * W + x + margin] = dark ? 0 : 255;
        }
    *outWidth = W;
    *outHeight = H;
    return grey;
}

Decoded DecodeGrey(const std::vector<uint8_t>& grey, int width, int height, Symbology symbology,
                   const DecodeOptions& options) {
    ZXing::DecodeHints hints;
    hints.setFormats(ToFormat(symbology));
    hints.setTryHarder(true);
    hints.setTryRotate(false);
    hints.setTryDownscale(false);
    hints.setIsPure(options.pure);
    hints.setTryCode39ExtendedMode(options.code39Extended);
    hints.setValidateCode39CheckSum(options.code39Check);
    hints.setCharacterSet("ISO-8859-1");
    ZXing::ImageView view(grey.data(), width, height, ZXing::ImageFormat::Lum);
    const ZXing::Result r = ZXing::ReadBarcode(view, hints);
    Decoded d;
    d.ok = r.isValid();
    if (!d.ok) {
        d.error = ToString(r.error());
        return d;
    }
    const auto& b = r.bytes();
    d.bytes.assign(b.begin(), b.end());
    const auto be = r.bytesECI();
    d.bytesEci.assign(be.begin(), be.end());
    d.hasEci = r.hasECI();
    d.symbologyId = r.symbologyIdentifier();
    d.ecLevel = r.ecLevel();
    d.readerInit = r.readerInit();
    d.sequenceIndex = r.sequenceIndex();
    d.sequenceSize = r.sequenceSize();
    d.sequenceId = r.sequenceId();
    return d;
}

Decoded DecodeRaster(const uint8_t* bits, int width, int height, Symbology symbology,
                     const DecodeOptions& options, bool zeroIsDark) {
    int W = 0, H = 0;
    auto grey = RasterToGrey(bits, width, height, options.quietZone, zeroIsDark, &W, &H);
    return DecodeGrey(grey, W, H, symbology, options);
}

std::string RandomBytes(uint32_t seed, std::size_t length, const std::string& alphabet) {
    std::mt19937 rng(seed);
    std::string s(length, '\0');
    for (auto& c : s) {
        if (alphabet.empty())
            c = static_cast<char>(rng() & 0xFF);
        else
            c = alphabet[rng() % alphabet.size()];
    }
    return s;
}

}  // namespace tsy::test
