// Pieces of the QR encoder, exposed for tests and for the entry that strings them together.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "imaging/module_matrix.h"

namespace tsy::qr {

inline constexpr int kQrMaxVersion = 40;
inline constexpr int kQrMaxMessage = 2048;
inline constexpr int kQrLevels = 4;  // M, L, H, Q in format-bit order

struct QrCapacity {
    int dataCodewords;
    int blocks;
};

inline int QrSymbolSize(int version) {
    return 4 * version + 17;
}
// version 1..40, level 0..3.
QrCapacity QrCapacityOf(int version, int level);
int QrTotalCodewords(int version);
// Smallest version whose data codewords hold mode, count and message; 0 when none does.
int QrChooseVersion(int length, int level);

// The D data codewords: mode, count, message, terminator when there is room, fill.
std::vector<uint8_t> QrMessageCodewords(const uint8_t* message, int length, int version, int level);
// Appends each block's check codewords and the trailing fill, giving all T codewords.
std::vector<uint8_t> QrAddErrorCorrection(std::vector<uint8_t> data, int version, int level);

// BCH(15,5) word of (level << 3) | mask 6, masked with 0x2825.
uint16_t QrFormatWord(int level);
void QrDrawFunctionPatterns(ModuleMatrix& m, int level);

struct QrBlock {
    int row;
    int col;
    int rows;
    int cols;
};
// The placement walk: one block per codeword, in buffer order.
std::vector<QrBlock> QrBlockWalk(int size);
inline bool QrMask6(int row, int col) {
    const int p = row * col;
    return (p % 2 + p % 3) % 2 == 0;
}
void QrPlaceCodewords(ModuleMatrix& m, const std::vector<uint8_t>& codewords);

// The whole symbol; empty when the message does not fit at the level.
std::optional<ModuleMatrix> QrBuildMatrix(const uint8_t* message, int length, int level);

}  // namespace tsy::qr
