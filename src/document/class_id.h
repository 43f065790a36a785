// A 128-bit class identifier, kept in the byte order a compound file stores it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tsy {

struct ClassId {
    std::array<uint8_t, 16> bytes{};

    // From the usual {data1-data2-data3-data4} form: the first three fields little-endian.
    static constexpr ClassId FromFields(uint32_t d1, uint16_t d2, uint16_t d3,
                                        std::array<uint8_t, 8> d4) {
        ClassId id;
        for (int i = 0; i < 4; ++i) id.bytes[i] = static_cast<uint8_t>(d1 >> (8 * i));
        for (int i = 0; i < 2; ++i) id.bytes[4 + i] = static_cast<uint8_t>(d2 >> (8 * i));
        for (int i = 0; i < 2; ++i) id.bytes[6 + i] = static_cast<uint8_t>(d3 >> (8 * i));
        for (int i = 0; i < 8; ++i) id.bytes[8 + i] = d4[i];
        return id;
    }

    bool isNull() const {
        for (uint8_t b : bytes)
            if (b) return false;
        return true;
    }
    // Upper-case XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX.
    std::string ToString() const;

    friend bool operator==(const ClassId&, const ClassId&) = default;
};

}  // namespace tsy
