// Writes runs of equal bits MSB-first into a zeroed buffer; whole bytes are filled at once.
#pragma once

#include <cstdint>
#include <cstring>

namespace tsy {

class BitRunWriter {
public:
    explicit BitRunWriter(uint8_t* out) : out_(out) {}

    void run(int value, int64_t count) {
        while (count > 0 && (pos_ & 7) != 0) {
            put(value);
            --count;
        }
        if (count >= 8) {
            const int64_t bytes = count / 8;
            std::memset(out_ + pos_ / 8, value ? 0xFF : 0x00, static_cast<std::size_t>(bytes));
            pos_ += bytes * 8;
            count -= bytes * 8;
        }
        while (count-- > 0) put(value);
    }
    void padTo16(int value) {
        if (pos_ % 16) run(value, 16 - pos_ % 16);
    }
    int64_t position() const { return pos_; }

private:
    void put(int value) {
        uint8_t& b = out_[pos_ / 8];
        const uint8_t mask = static_cast<uint8_t>(0x80u >> (pos_ & 7));
        b = value ? static_cast<uint8_t>(b | mask) : static_cast<uint8_t>(b & ~mask);
        ++pos_;
    }

    uint8_t* out_;
    int64_t pos_ = 0;
};

}  // namespace tsy
