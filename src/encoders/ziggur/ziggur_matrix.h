// Ziggur symbol construction: the size rule, the row layout, the layers and the mode message.
#pragma once

#include <vector>

#include "encoders/aztec/aztec_message.h"
#include "encoders/ziggur/ziggur_host.h"
#include "imaging/module_matrix.h"

namespace tsy::ziggur {

inline constexpr int kZiggurMaxLayers = 32;
inline constexpr int kZiggurMaxCodewords = 1023;
inline constexpr int kZiggurMaxMenuCodewords = 511;
inline constexpr int kZiggurModeBits = 40;  // ten 4-bit words in 20 columns of layer 0
inline constexpr int kZiggurModeColumns = 20;
inline constexpr int kZiggurBitLimit = 20000;  // the Aztec search's limit

// Work area of one BuildZiggurMatrix call.
struct ZiggurWork {
    aztec::AztecEncoding enc;  // pattern and B, then b, T, D and the data codewords
    ZiggurHostRows rows;
    ZiggurHostLayout layout;
    int hostHeight = 0;
    int layers = 0;    // L
    int capacity = 0;  // C, bits
    int fieldSize = 0;
    int polynomial = 0;
    int width = 0;   // W; 0 when no size fits
    int height = 0;  // H
};

// Bits a layer holds: two for each column that is neither an edge nor a reference column.
int ZiggurLayerBits(const ZiggurHostLayout& layout);

// Layer count, capacity, codeword size, T, W and H for B = work.enc.bitCount over the host in
// work.layout. False (W = 0) when the size choice is not accepted or no size holds the message.
bool SizeZiggur(const aztec::AztecJob& job, const ZiggurHostRecord& host, ZiggurWork& work);

// Host, pattern, size and data codewords of a symbol. False when the record, the host or the
// message is refused, no size holds the message, or fewer than two check codewords would remain.
bool PrepareZiggur(aztec::AztecJob& job, const ZiggurHostRecord& host, ZiggurWork& work);

// Without build: runs the host and the sizing and sets matrix to an empty W x H grid. With build:
// draws into the matrix the sizing pass made. Returns H x ceil(W / 8), or 0 on failure.
int BuildZiggurMatrix(aztec::AztecJob& job, const ZiggurHostRecord& host, ModuleMatrix& matrix,
                      bool build);

// The matrix rows of one layer.
struct ZiggurLayerRows {
    int outer = 0;  // the row farther from the host
    int inner = 0;
};
ZiggurLayerRows LayerRows(const ZiggurHostRecord& host, const ZiggurWork& work, int layer);

// Data columns of a layer in the order they are filled (the mode columns of layer 0 included).
std::vector<int> LayerDataColumns(const ZiggurHostLayout& layout, int layer);
// Positions among layer 0's data columns that carry the mode message, ascending.
std::vector<int> ModeColumnPositions(const ZiggurHostLayout& layout);

// The four mode words followed by their six GF(16) check words.
std::vector<int> ZiggurModeMessage(int layers, int symmetry, bool menu, int dataCodewords);

// Draws host section, layers and mode message; codewords are data then check words.
void DrawZiggur(ModuleMatrix& matrix, const ZiggurHostRecord& host, const ZiggurWork& work,
                const std::vector<int>& codewords, const std::vector<int>& modeMessage);

}  // namespace tsy::ziggur
