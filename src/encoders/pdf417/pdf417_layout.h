// Symbol size (level, columns, rows) and the row layout of the module matrix.
#pragma once

#include <span>

#include "imaging/module_matrix.h"

namespace tsy::pdf417 {

// Limits of one symbol (ISO/IEC 15438).
inline constexpr int kMaxCodewords = 928;
inline constexpr int kMaxColumns = 30;
inline constexpr int kMaxRows = 90;

struct Geometry {
    int level = 0;
    int checkWords = 0;  // k = 2^(level + 1)
    int columns = 0;
    int rows = 0;
    int dataWords() const { return columns * rows - checkWords; }
};

enum class SizeResult { Ok, TooManyWords, TooManyColumns, TooManyRows };

// Texts for standard output, in the order the limits are checked.
inline constexpr const char* kTooManyWordsText = "\nToo Many Data+Check Words!\n";
inline constexpr const char* kTooManyColumnsText = "\nToo Many Columns!\n";
inline constexpr const char* kTooManyRowsText = "\nToo Many Rows!\n";

// dataWords: codewords before padding (length descriptor and ECI included). level and columns
// are as given (kPDF417Auto allowed) and already checked.
SizeResult ChooseGeometry(long long dataWords, int level, int columns, Geometry* out);

int RowWidth(int columns, bool truncated);

// codewords: the whole sequence (data, padding, checks), columns x rows of them.
ModuleMatrix LayOutRows(std::span<const int> codewords, const Geometry& g, bool truncated);

}  // namespace tsy::pdf417
