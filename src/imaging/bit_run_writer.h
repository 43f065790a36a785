// Writes runs of equal bits MSB-first into a buffer, whole bytes at a time: the bits gather in
// a register and leave it as bytes, so short runs (a module a few pixels wide) stay cheap.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tsy {

class BitRunWriter {
public:
    explicit BitRunWriter(uint8_t* out) : out_(out) {}

    void run(int value, int64_t count) {
        if (count <= 0) return;
        if (pending_ == 0 && count >= 64) {
            const int64_t bytes = count / 8;
            std::memset(out_, value ? 0xFF : 0x00, static_cast<std::size_t>(bytes));
            out_ += bytes;
            position_ += bytes * 8;
            count -= bytes * 8;
        }
        while (count > 0) {
            const int take = static_cast<int>(std::min<int64_t>(count, 56 - pending_));
            acc_ = (acc_ << take) | (value ? (uint64_t{1} << take) - 1 : 0);
            pending_ += take;
            count -= take;
            position_ += take;
            while (pending_ >= 8) Flush8();
            acc_ &= (uint64_t{1} << pending_) - 1;
        }
    }
    // Appends the low count bits of bits (count at most 56), most significant first. Fewer than
    // 8 bits are ever pending, so they fit beside them.
    void put(uint64_t bits, int count) {
        acc_ = (acc_ << count) | bits;
        pending_ += count;
        position_ += count;
        while (pending_ >= 8) Flush8();
        acc_ &= (uint64_t{1} << pending_) - 1;
    }
    // Rows end on a 16-bit boundary, which also leaves no bits pending.
    void padTo16(int value) {
        if (position_ % 16) run(value, 16 - position_ % 16);
    }
    int64_t position() const { return position_; }

private:
    void Flush8() {
        pending_ -= 8;
        *out_++ = static_cast<uint8_t>(acc_ >> pending_);
    }

    uint8_t* out_;
    uint64_t acc_ = 0;
    int pending_ = 0;
    int64_t position_ = 0;
};

}  // namespace tsy
