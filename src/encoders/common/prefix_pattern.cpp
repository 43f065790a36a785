#include "encoders/common/prefix_pattern.h"

#include <algorithm>

namespace tsy {

std::string PrefixPatternArena::Text(int32_t node, int32_t trailingCount) const {
    std::vector<int32_t> chain;
    for (; node >= 0; node = pieces_[static_cast<std::size_t>(node)].parent) chain.push_back(node);
    std::string text;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const Piece& p = pieces_[static_cast<std::size_t>(*it)];
        if (p.count) text += std::to_string(p.count);
        text += p.letters;
    }
    if (trailingCount) text += std::to_string(trailingCount);
    return text;
}

std::size_t ReadPatternCount(std::string_view pattern, std::size_t& pos, std::size_t cap) {
    std::size_t n = 0;
    for (; pos < pattern.size() && IsPatternDigit(pattern[pos]); ++pos)
        n = std::min<std::size_t>(n * 10 + static_cast<std::size_t>(pattern[pos] - '0'), cap);
    return n;
}

}  // namespace tsy
