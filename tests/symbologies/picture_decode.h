// Reading a document's picture back: the symbol part cut out as grey and given to zxing-cpp.
#pragma once

#include "document/encoder_doc.h"
#include "support/zxing_decode.h"

namespace tsy::test {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Where the symbol sits in the picture of a build without AddMessage.
Rect SymbolRect(const CEncoderDoc& doc);

// The symbol part of the picture, grey on a white margin, decoded.
Decoded DecodeSymbolPart(const CEncoderDoc& doc, Symbology symbology,
                         const DecodeOptions& options = {});

// True when some pixel of the rows [fromY, toY) is not white.
bool HasDarkPixels(const RgbImage& picture, int fromY, int toY);

}  // namespace tsy::test
