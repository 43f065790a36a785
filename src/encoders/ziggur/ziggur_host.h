// The linear host a Ziggur symbol stands on: its record, the rows the host encoders draw and the
// reference columns they hand to the layers.
#pragma once

#include <cstdint>
#include <vector>

namespace tsy::ziggur {

inline constexpr int kZiggurMaxHostMessage = 47;   // bytes before the NUL
inline constexpr int kZiggurMaxHostColumns = 640;  // a host row fits 80 bytes

enum ZiggurSymmetry : int32_t {
    kZiggurNoSymmetry = 0,
    kZiggurDouble = 1,      // layers above and below the host
    kZiggurDoubleEven = 2,  // as 1, with an even layer count
};

struct ZiggurHostRecord {
    char hostSymbology = '3';   // "3" Code 39, "U" EAN-13, "I"/"B" ITF without/with bearers,
                                // "9" Code 93, "1" Code 128; either case
    char hostMessage[51] = {};  // NUL-terminated, at most 47 bytes
    int32_t hostHeight = -1;    // matrix rows of host bars; negative: automatic
    int32_t narrowWidth = 1;    // columns a narrow element
    int32_t wideWidth = 2;      // columns a wide element; negative: twice the narrow width
    int32_t barrierRows = 0;    // 0 or 1
    int32_t symmetry = kZiggurNoSymmetry;
};

// A reference column carries one fixed dark module in every layer: in the row farther from the
// host when outer is set, else in the nearer one.
struct ZiggurReference {
    int column = 0;
    bool outer = false;

    friend bool operator==(const ZiggurReference&, const ZiggurReference&) = default;
};

struct ZiggurHostLayout {
    int width = 0;  // W
    std::vector<ZiggurReference> references;
};

// One byte a column, 1 dark; each row is W columns.
using HostRow = std::vector<uint8_t>;

struct ZiggurHostRows {
    HostRow bars;           // one margin column each side
    HostRow barrier;        // marks above the boundaries the layers refer to
    HostRow solidBearer;    // "B" only
    HostRow notchedBearer;  // "B" only: gaps before the outer reference columns
};

// Draws the host the record names. False for an unknown letter, a message the host cannot carry
// as it is, widths other than narrow 1 and wide 2 (the only ones the reference columns are
// defined for), or a host wider than kZiggurMaxHostColumns.
bool EncodeZiggurHost(const ZiggurHostRecord& host, ZiggurHostRows& rows, ZiggurHostLayout& layout);

}  // namespace tsy::ziggur
