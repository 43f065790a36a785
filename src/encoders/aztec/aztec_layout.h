// Sizes of Aztec symbols by type and layer count (ISO/IEC 24778, tables 1 and 4).
#pragma once

namespace tsy::aztec {

inline constexpr int kAztecRuneSize = 11;
inline constexpr int kAztecMaxCompactLayers = 4;
inline constexpr int kAztecMaxLayers = 32;
inline constexpr int kAztecMaxMenuLayers = 22;     // the 11-bit count keeps its top bit for menus
inline constexpr int kAztecMaxCompactData = 64;    // six bits say D - 1
inline constexpr int kAztecNoSymbolHolds = 20000;  // bits; the largest symbol holds 19968

// Bits of all data layers: each layer l adds 32l + 72 (compact) or 32l + 96 (full range).
inline constexpr int AztecCapacity(bool compact, int layers) {
    return 16 * layers * layers + (compact ? 88 : 112) * layers;
}

// The codeword width that capacity implies, used to round it down to whole codewords.
inline constexpr int AztecUsableBits(int capacity) {
    const int w = capacity <= 382 ? 6 : capacity <= 2046 ? 8 : capacity <= 10234 ? 10 : 12;
    return capacity - capacity % w;
}

inline constexpr int AztecCodewordBits(int layers) {
    return layers <= 2 ? 6 : layers <= 8 ? 8 : layers <= 22 ? 10 : 12;
}

// Galois field size and prime polynomial of the data codewords.
inline constexpr int AztecFieldSize(int layers) {
    return 1 << AztecCodewordBits(layers);
}
inline constexpr int AztecFieldPolynomial(int layers) {
    return layers <= 2 ? 67 : layers <= 8 ? 301 : layers <= 22 ? 1033 : 4201;
}

// Modules a side; full-range symbols grow by two at each extra reference grid line.
inline constexpr int AztecSymbolSize(bool compact, int layers) {
    return compact ? 4 * layers + 11 : 4 * layers + 15 + 2 * ((4 * layers + 13) / 30);
}

}  // namespace tsy::aztec
