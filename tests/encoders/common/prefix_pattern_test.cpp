#include <gtest/gtest.h>

#include "encoders/common/prefix_pattern.h"

namespace tsy {
namespace {

TEST(PrefixPattern, BranchesShareTheirPrefix) {
    PrefixPatternArena arena;
    const int32_t root = arena.Append(PrefixPatternArena::kEmpty, 12, "M");
    const int32_t left = arena.Append(root, 0, "p");
    const int32_t right = arena.Append(root, 3, "AMP");
    EXPECT_EQ(arena.Text(left, 7), "12Mp7");
    EXPECT_EQ(arena.Text(right, 0), "12M3AMP");
    EXPECT_EQ(arena.Text(PrefixPatternArena::kEmpty, 40), "40");
    EXPECT_EQ(arena.Text(PrefixPatternArena::kEmpty, 0), "");
}

TEST(PrefixPattern, CountsReadBackAndSaturate) {
    struct {
        const char* pattern;
        std::size_t start, cap, count, end;
    } cases[] = {
        {"12M", 0, 100, 12, 2},       {"M7", 1, 100, 7, 2},
        {"A", 0, 100, 0, 0},          {"99999999999999999999999B", 0, 5000, 5000, 23},
        {"2078UB22", 6, 3000, 22, 8}, {"0", 0, 10, 0, 1},
    };
    for (const auto& c : cases) {
        std::size_t pos = c.start;
        EXPECT_EQ(ReadPatternCount(c.pattern, pos, c.cap), c.count) << c.pattern;
        EXPECT_EQ(pos, c.end) << c.pattern;
    }
}

}  // namespace
}  // namespace tsy
