// The reader module's one entry, in C: zxing-cpp lives in a module of its own, opened on first
// use, so that only runs that read a symbol back load and relocate it (and run its static
// constructors), not every run of the producer.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

inline constexpr const char* kTsyReadGreyName = "tsy_read_grey";

struct TsyReadOutcome {
    void* context;  // handed to append
    void (*append)(void* context, const uint8_t* bytes, size_t length);
    int sequenceIndex;
    int sequenceSize;
    int readerInit;
};

// format: the ReaderFormat value. Reads an 8-bit grey picture (0 black); 1 when a symbol of
// the format was read (its bytes, without ECI markers, given to append), else 0.
int tsy_read_grey(const uint8_t* grey, int width, int height, int format, int code39Check,
                  TsyReadOutcome* out);

using TsyReadGrey = decltype(&tsy_read_grey);
}
