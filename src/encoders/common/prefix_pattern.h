// Pattern texts of the cheapest-mode searches (Aztec, PDF417): runs of counts and mode letters.
//
// The candidate texts of one search share their prefixes: each piece points back at the text it
// extends, so a step costs the same however long the texts have grown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsy {

class PrefixPatternArena {
public:
    static constexpr int32_t kEmpty = -1;

    void Reserve(std::size_t pieces) { pieces_.reserve(pieces); }

    // The text of node, then count in decimal (left out when 0), then letters, which must outlive
    // the arena (a string literal). Inline: the searches call it several times a byte.
    int32_t Append(int32_t node, int32_t count, const char* letters) {
        pieces_.push_back({node, count, letters});
        return static_cast<int32_t>(pieces_.size() - 1);
    }

    // The text of node followed by trailingCount (left out when 0).
    std::string Text(int32_t node, int32_t trailingCount) const;

private:
    struct Piece {
        int32_t parent;
        int32_t count;
        const char* letters;
    };
    std::vector<Piece> pieces_;
};

// The decimal count starting at pattern[pos]; pos moves past all its digits. Saturates at cap, so
// no digit string can overflow.
std::size_t ReadPatternCount(std::string_view pattern, std::size_t& pos, std::size_t cap);

inline bool IsPatternDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace tsy
