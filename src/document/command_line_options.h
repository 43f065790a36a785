// The options of one command-line symbol run, as handed to a document's ApplyCommandLine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tsy {

struct CommandLineOptions {
    std::u16string outputName;
    std::u16string inputFile;
    std::u16string message;
    std::u16string caption;
    // Never filled from the command line; "Arial" is used when fontSize recreates the font.
    std::u16string fontFace;
    std::u16string appendId;
    int32_t fontSize = 0;      // tenths of a point; 0 keeps the document's
    int32_t elementWidth = 0;  // mils; 0 keeps the document's
    int32_t symbolHeight = 0;  // mils; 0 keeps the document's
    int32_t dpi = 0;           // the build resolution; 0 keeps the screen's
    int32_t codepage = 0;      // 0 keeps the symbology default
    int32_t symbols = 1;
    int32_t frameTime = 100;
    int32_t loops = 0;
    int32_t qrModel = -1;  // the QR document's model value; -1 keeps the document's
    bool addMessage = false;
    bool useEci = false;
    bool trailingFnc3 = false;
    bool leadingFnc3 = false;
    bool leadingTilde = false;
    bool menuSymbol = false;
    // Ziggur only; absent values keep the document's.
    int32_t hostSymbology = -1;  // 0..5, the order of the document's host choices
    std::optional<std::u16string> hostMessage;
    int32_t symmetry = -1;
    int32_t barrierRows = -1;
};

}  // namespace tsy
