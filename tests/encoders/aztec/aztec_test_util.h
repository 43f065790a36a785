// Helpers shared by the Aztec encoder tests.
#pragma once

#include <string>

#include "encoders/aztec/aztec_encoder.h"
#include "encoders/aztec/aztec_message.h"
#include "encoders/aztec/aztec_symbol.h"
#include "imaging/symbol_raster.h"

namespace tsy::test {

using namespace tsy::aztec;

inline AztecJob JobOf(const std::string& text, bool escapes = false) {
    return MakeAztecJob(reinterpret_cast<const uint8_t*>(text.data()),
                        static_cast<int32_t>(text.size()), escapes);
}

struct PatternResult {
    bool ok = false;
    std::string pattern;
    int bits = 0;
};

inline PatternResult SearchOf(const std::string& text, bool escapes = false,
                              const std::string& header = {}, int limit = 20000) {
    AztecJob job = JobOf(text, escapes);
    AztecEncoding enc;
    enc.header = header;
    PatternResult r;
    r.ok = FindBestPattern(job, enc, limit);
    r.pattern = enc.pattern;
    r.bits = enc.bitCount;
    return r;
}

// Options beyond the message for AztecEncode.
struct AztecOptions {
    int32_t sizeChoice = 0;
    bool menu = false;
    int32_t symbols = 1;
    std::string appendId;
    bool escapes = false;
    int32_t moduleSize = 2;
};

inline OwnedRaster EncodeRaster(const std::string& message, const AztecOptions& o = {}) {
    AztecEncodeArgs args;
    args.message = reinterpret_cast<const uint8_t*>(message.data());
    args.length = static_cast<int32_t>(message.size());
    args.moduleSize = o.moduleSize;
    args.escapeProcessing = o.escapes;
    args.sizeChoice = o.sizeChoice;
    args.menu = o.menu;
    args.symbols = o.symbols;
    for (std::size_t i = 0; i < o.appendId.size() && i < 27; ++i) args.appendId[i] = o.appendId[i];
    return AztecRaster(args);
}

// The module matrix the encoder builds for these options, or an empty one.
inline ModuleMatrix MatrixOf(const std::string& message, const AztecOptions& o = {}) {
    AztecJob job = JobOf(message, o.escapes);
    job.sizeChoice = o.sizeChoice;
    job.menu = o.menu;
    job.symbols = o.symbols;
    job.appendId = o.appendId;
    ModuleMatrix m;
    if (BuildAztecMatrix(job, m, false) == 0 || BuildAztecMatrix(job, m, true) == 0) return {};
    return m;
}

}  // namespace tsy::test
