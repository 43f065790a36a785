// Test helpers: byte strings written as hex, and the bytes a storing archive produced.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "document/archive.h"

namespace tsy::test {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(static_cast<uint8_t>(v)));
    return s;
}

inline std::string Stored(const std::function<void(CArchive&)>& store) {
    CArchive ar = CArchive::ForStoring();
    store(ar);
    return ar.TakeBuffer();
}

}  // namespace tsy::test
