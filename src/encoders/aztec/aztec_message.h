// Aztec message encoding: the input reader, the cheapest-mode search that writes a pattern, and
// the replay of that pattern into bit-stuffed codewords. Symbol construction calls these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace tsy::aztec {

// One encoding job, copied from the caller's argument record.
struct AztecJob {
    std::vector<uint8_t> message;  // length + 2 bytes, the tail zero
    int32_t length = 0;
    bool escapes = false;
    int32_t sizeChoice = 0;
    bool menu = false;
    int32_t symbols = 1;
    std::string appendId;
    bool reverseVideo = false;
};

AztecJob MakeAztecJob(const uint8_t* message, int32_t length, bool escapes = false);

// Reader position, pattern and codeword buffer of one symbol being encoded.
struct AztecEncoding {
    std::string header;  // structured-append header of the current symbol
    std::size_t headerPos = 0;
    int32_t messagePos = 0;

    std::string pattern;
    int bitCount = 0;
    bool inputEnded = false;  // the last search reached the end of the input

    int codewordBits = 6;        // b
    int totalCodewords = 0;      // T
    int dataCodewords = 0;       // D
    int checkCodewords = 0;      // K = T - D, negative when the data overflow the symbol
    std::vector<int> codewords;  // the data codewords, at most T of them

    std::ostream* trace = nullptr;
};

// Next input value: a byte, a pair (256..259), FLG(n) (260), end (-1) or a bad escape (-2).
int ReadAztecChar(const AztecJob& job, AztecEncoding& work);

// Searches the cheapest mode sequence from the start of the header and the current message
// position until the cheapest cost reaches bitLimit (never inside the header) or the input ends.
// Stores pattern and bitCount and leaves the message position where it was. False on a bad
// escape.
bool FindBestPattern(const AztecJob& job, AztecEncoding& work, int bitLimit);

// Replays the stored pattern into codewords of codewordBits bits (at most totalCodewords are
// kept), advancing the message position; sets dataCodewords and checkCodewords. False when the
// pattern does not match the input.
bool EncodePattern(const AztecJob& job, AztecEncoding& work);

}  // namespace tsy::aztec
