// The reader oracle for tests: zxing-cpp decoding our rasters back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tsy::test {

enum class Symbology { Aztec, PDF417, QRCode, Code128, Code39, EAN13, ITF, Code93 };

struct Decoded {
    bool ok = false;
    std::string bytes;     // content bytes without ECI markers
    std::string bytesEci;  // content following the ECI protocol (\000026 markers)
    bool hasEci = false;
    std::string symbologyId;  // ]zm
    std::string ecLevel;
    bool readerInit = false;
    int sequenceIndex = -1;
    int sequenceSize = -1;
    std::string sequenceId;
    std::string error;
};

struct DecodeOptions {
    int quietZone = 10;  // white pixels added on every side
    bool code39Extended = false;
    bool code39Check = false;
    bool pure = false;
};

// A one-bit raster in the encoder layout: rows padded to 16 bits, zeroIsDark for normal video.
Decoded DecodeRaster(const uint8_t* bits, int width, int height, Symbology symbology,
                     const DecodeOptions& options = {}, bool zeroIsDark = true);

// An 8-bit grey image, 0 = black.
Decoded DecodeGrey(const std::vector<uint8_t>& grey, int width, int height, Symbology symbology,
                   const DecodeOptions& options = {});

// A grey copy of a raster with a white margin, for tools that want pixels.
std::vector<uint8_t> RasterToGrey(const uint8_t* bits, int width, int height, int margin,
                                  bool zeroIsDark, int* outWidth, int* outHeight);

// Seeded generator of message bytes for round-trip tests.
std::string RandomBytes(uint32_t seed, std::size_t length, const std::string& alphabet = {});

}  // namespace tsy::test
