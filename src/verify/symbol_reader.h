// zxing-cpp behind a small interface: the one place that knows the reader's types and quirks.
#pragma once

#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace tsy {

enum class ReaderFormat { Aztec, PDF417, QRCode, Code128, Code39 };

struct ReadRequest {
    ReaderFormat format = ReaderFormat::QRCode;
    // Light modules on dark ground: the reader is handed the negative.
    bool inverted = false;
    // The smallest module or narrow bar, in pixels; small ones are enlarged before reading.
    int modulePx = 1;
    int moduleHeightPx = 0;  // 0: as wide as high
    bool code39Check = false;
};

struct ReadSymbol {
    std::string bytes;  // content without ECI markers
    int sequenceIndex = -1;
    int sequenceSize = -1;
    bool readerInit = false;
};

// False (with the loader's reason) when the reader module or zxing-cpp cannot be loaded.
bool ReaderAvailable(std::string* why);

// Reads the symbol in the w x h part of picture at (x, y) (0 black, whatever lies around it
// ignored), on a white quiet zone; a linear symbol along the middle row of that part only.
// False when nothing of the format was found.
bool ReadSymbolPart(const Bitmap1& picture, int x, int y, int w, int h, const ReadRequest& request,
                    ReadSymbol* out);

}  // namespace tsy
