// The second reader: zxing-cpp 2.x as WebAssembly (tools/zxing-wasm), for what Debian's
// zxing-cpp 1.4 cannot read (QR Code Model 1, Aztec runes). Images are decoded in one batch.
#pragma once

#include <string>
#include <vector>

#include "support/zxing_decode.h"

namespace tsy::test {

struct WasmJob {
    std::vector<uint8_t> grey;  // 0 = black
    int width = 0;
    int height = 0;
    std::string format;  // "QRCode", "Aztec", "AztecRune", ...
    bool pure = false;
};

struct WasmResult {
    bool ok = false;
    std::string bytes;
    std::string format;
    std::string symbologyId;
    std::string ecLevel;
    std::string version;
    std::string text;
    std::string error;
};

// True when node and the npm package are installed (set-up installs them).
bool WasmReaderAvailable();

std::vector<WasmResult> DecodeWithWasm(const std::vector<WasmJob>& jobs);

}  // namespace tsy::test
