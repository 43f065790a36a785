// Aztec symbol construction: size choice, check codewords and drawing of single symbols, runes,
// menu symbols and structured-append sets.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "encoders/aztec/aztec_message.h"
#include "imaging/module_matrix.h"

namespace tsy::aztec {

// Work area of one BuildAztecMatrix call.
struct AztecWork {
    AztecEncoding enc;
    std::string messagePattern;  // pattern and bits B of the whole message
    int messageBits = 0;

    bool rune = false;
    bool compact = true;
    int layers = 0;
    int capacity = 0;
    int size = 0;    // S
    int width = 0;   // W = N x S + N - 1
    int budget = 0;  // per-symbol bits of a set
    int fieldSize = 0;
    int polynomial = 0;
    std::ostream* trace = nullptr;
};

// Applies the size rule to work.messageBits; sets type, layers, capacity, S, W and the budget.
// Returns the matrix size in bytes, 0 when no size satisfies the rule.
int SelectAztecSize(const AztecJob& job, AztecWork& work);

// Without build: decides the size and sets matrix to an empty W x S grid. With build: fills the
// matrix the sizing pass made. Returns ((W + 7) / 8) x S, or 0 on failure. The size choice of the
// job is restored before returning.
int BuildAztecMatrix(AztecJob& job, ModuleMatrix& matrix, bool build,
                     std::ostream* trace = nullptr);

// Both passes in one: the size decided once, the matrix made and filled.
int MakeAztecMatrix(AztecJob& job, ModuleMatrix& matrix, std::ostream* trace = nullptr);

// Mode message words, check words included (7 compact, 10 full range).
std::vector<int> AztecModeMessage(bool compact, int layers, int dataCodewords, bool menu);
std::vector<int> AztecRuneModeMessage(int value);
// The rune value of a message: a decimal number as a string-to-integer conversion reads it,
// modulo 256.
int AztecRuneValue(const AztecJob& job);

// Draws one symbol centred at (centreX, centreY): finder, orientation marks, reference grid,
// the codewords (data then check) in the layers, and the mode message.
void DrawAztecSymbol(ModuleMatrix& matrix, int centreX, int centreY, bool compact, int layers,
                     int size, const std::vector<int>& codewords, int codewordBits,
                     const std::vector<int>& modeMessage);

}  // namespace tsy::aztec
