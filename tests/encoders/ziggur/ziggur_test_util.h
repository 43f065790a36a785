// Shared set-up for the Ziggur tests.
#pragma once

#include <cstring>
#include <string>

#include "encoders/ziggur/ziggur_encoder.h"

namespace tsy::ziggur::test {

inline ZiggurHostRecord Host(char letter, const std::string& message, int symmetry = 0,
                             int barrier = 0, int height = -1) {
    ZiggurHostRecord h;
    h.hostSymbology = letter;
    std::strncpy(h.hostMessage, message.c_str(), sizeof h.hostMessage - 1);
    h.symmetry = symmetry;
    h.barrierRows = barrier;
    h.hostHeight = height;
    return h;
}

inline aztec::AztecEncodeArgs Args(const std::string& message, int moduleSize = 1,
                                   int sizeChoice = 0, bool menu = false) {
    aztec::AztecEncodeArgs a;
    a.message = reinterpret_cast<const uint8_t*>(message.data());
    a.length = static_cast<int32_t>(message.size());
    a.moduleSize = moduleSize;
    a.sizeChoice = sizeChoice;
    a.menu = menu ? 1 : 0;
    return a;
}

}  // namespace tsy::ziggur::test
