// Writes the PDF417 symbol of a message to a one-bit BMP file.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "encoders/pdf417/pdf417.h"
#include "imaging/scalers.h"
#include "imaging/symbol_raster.h"

namespace {

constexpr const char* kUsage =
    "usage: tessaly_pdf417_demo MESSAGE OUTPUT.bmp [LEVEL [COLUMNS [MODULE_PX [ROW_PX]]]]\n"
    "  LEVEL 0..8 and COLUMNS 1..30 are chosen automatically when left out or given as 'auto'.\n";

// Reads an optional number; "auto" and a missing argument give the automatic value.
bool Option(int argc, char** argv, int index, int32_t fallback, int32_t* out) {
    *out = fallback;
    if (index >= argc || std::strcmp(argv[index], "auto") == 0) return true;
    char* end = nullptr;
    const long v = std::strtol(argv[index], &end, 10);
    if (end == argv[index] || *end != '\0' || v < -1000000 || v > 1000000) return false;
    *out = static_cast<int32_t>(v);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 7) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string message = argv[1];
    PDF417EncodeArgs args{};
    args.message = reinterpret_cast<const unsigned char*>(message.data());
    args.length = static_cast<int32_t>(message.size());
    if (!Option(argc, argv, 3, tsy::pdf417::kPDF417Auto, &args.errorCorrectionLevel) ||
        !Option(argc, argv, 4, tsy::pdf417::kPDF417Auto, &args.dataColumns) ||
        !Option(argc, argv, 5, 2, &args.moduleWidth) ||
        !Option(argc, argv, 6, 3 * args.moduleWidth, &args.rowHeight)) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    const tsy::OwnedRaster raster = tsy::pdf417::PDF417Raster(args);
    if (!raster) {
        std::fputs("tessaly_pdf417_demo: the message gives no PDF417 symbol with these options\n",
                   stderr);
        return 1;
    }
    const int32_t height = raster.height(), width = raster.width();
    if (!tsy::WriteRasterBmp(raster.bits(), static_cast<uint16_t>(height),
                             static_cast<uint16_t>(width), argv[2])) {
        std::fprintf(stderr, "tessaly_pdf417_demo: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %d x %d pixels\n", argv[2], width, height);
    return 0;
}
