// The whole PDF417 build short of scaling, for the entry and for tests that look inside.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "encoders/pdf417/pdf417.h"
#include "encoders/pdf417/pdf417_layout.h"
#include "imaging/module_matrix.h"

namespace tsy::pdf417 {

// Why a build gave no symbol; the negative codes are those of the argument check.
enum class BuildStatus {
    Ok = 0,
    BadLevel = -1,
    BadColumns = -2,
    BadModuleWidth = -3,
    BadRowHeight = -4,
    TooBig = -5,
    BadMessage = -6,
    BadEci = -7,
};

struct Symbol {
    std::string pattern;
    int64_t cost = 0;      // of the pattern, in kCostUnit
    int writtenWords = 0;  // data codewords before padding
    Geometry geometry;
    std::vector<int> codewords;  // data, padding and check codewords
    ModuleMatrix matrix;
    int32_t rowHeight = 0;  // pixels, after the automatic choice
};

// Checks the arguments, compacts, sizes, adds the check codewords and lays out the rows. A size
// beyond the limits writes its text to standard output.
BuildStatus BuildSymbol(const PDF417EncodeArgs& args, int eci, Symbol* out);

}  // namespace tsy::pdf417
