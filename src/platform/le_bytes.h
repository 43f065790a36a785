// Little-endian field writers for binary file headers, into any byte container.
#pragma once

#include <cstdint>

namespace tsy {

template <class Bytes>
void PutLe16(Bytes& out, uint32_t v) {
    using Byte = typename Bytes::value_type;
    out.push_back(static_cast<Byte>(v & 0xFF));
    out.push_back(static_cast<Byte>((v >> 8) & 0xFF));
}

template <class Bytes>
void PutLe32(Bytes& out, uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

}  // namespace tsy
