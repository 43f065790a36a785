#include <gtest/gtest.h>

#include "encoders/common/reed_solomon.h"

namespace tsy {
namespace {

TEST(ReedSolomon, QrVersion1MExample) {
    // ISO/IEC 18004 Annex I: "01234567" at 1-M, 10 check words, generator roots a^0..a^9.
    const int data[16] = {0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11,
                          0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11};
    const GaloisField gf(256, 285);
    EXPECT_EQ(RsCheckWords(gf, data, 16, 10, 0),
              (std::vector<int>{0xA5, 0x24, 0xD4, 0xC1, 0xED, 0x36, 0xC7, 0x87, 0x2C, 0x55}));
}

TEST(ReedSolomon, CodewordEvaluatesToZeroAtEveryRoot) {
    struct {
        int size, poly, first, k;
    } cases[] = {{16, 19, 1, 5},      {64, 67, 1, 12},     {256, 301, 1, 20},
                 {1024, 1033, 1, 33}, {4096, 4201, 1, 40}, {256, 285, 0, 30}};
    for (auto c : cases) {
        const GaloisField gf(c.size, c.poly);
        std::vector<int> word;
        for (int i = 0; i < 50; ++i) word.push_back((i * 37 + 11) % c.size);
        const auto check =
            RsCheckWords(gf, word.data(), static_cast<int>(word.size()), c.k, c.first);
        word.insert(word.end(), check.begin(), check.end());
        for (int r = 0; r < c.k; ++r) {
            const int x = gf.exp(c.first + r);
            int acc = 0;
            for (int v : word) acc = gf.multiply(acc, x) ^ v;
            EXPECT_EQ(acc, 0) << "GF(" << c.size << ") root " << r;
        }
    }
}

}  // namespace
}  // namespace tsy
