#include "encoders/common/reed_solomon.h"

namespace tsy {

GaloisField::GaloisField(int size, int polynomial)
    : size_(size),
      polynomial_(polynomial),
      exp_(static_cast<std::size_t>(2 * size)),
      log_(static_cast<std::size_t>(size)) {
    int x = 1;
    for (int i = 0; i < 2 * size; ++i) {
        exp_[static_cast<std::size_t>(i)] = x;
        x <<= 1;
        if (x >= size) x ^= polynomial;
    }
    for (int i = 0; i < size - 1; ++i)
        log_[static_cast<std::size_t>(exp_[static_cast<std::size_t>(i)])] = i;
}

std::vector<int> RsGenerator(const GaloisField& gf, int k, int firstRoot) {
    // g holds coefficients lowest order first while building, leading term implicit.
    std::vector<int> g(static_cast<std::size_t>(k) + 1, 0);
    g[0] = 1;
    for (int i = 0; i < k; ++i) {
        const int root = gf.exp(firstRoot + i);
        for (int j = i + 1; j > 0; --j)
            g[static_cast<std::size_t>(j)] = g[static_cast<std::size_t>(j - 1)] ^
                                             gf.multiply(g[static_cast<std::size_t>(j)], root);
        g[0] = gf.multiply(g[0], root);
    }
    // g[k] is the leading 1; return the others highest order first.
    std::vector<int> out(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        out[static_cast<std::size_t>(i)] = g[static_cast<std::size_t>(k - 1 - i)];
    return out;
}

std::vector<int> RsCheckWords(const GaloisField& gf, const int* data, int count, int k,
                              int firstRoot) {
    std::vector<int> rem(static_cast<std::size_t>(k), 0);
    if (k <= 0) return rem;
    const std::vector<int> g = RsGenerator(gf, k, firstRoot);
    for (int i = 0; i < count; ++i) {
        const int factor = data[i] ^ rem[0];
        for (int j = 0; j + 1 < k; ++j)
            rem[static_cast<std::size_t>(j)] = rem[static_cast<std::size_t>(j + 1)] ^
                                               gf.multiply(factor, g[static_cast<std::size_t>(j)]);
        rem[static_cast<std::size_t>(k - 1)] =
            gf.multiply(factor, g[static_cast<std::size_t>(k - 1)]);
    }
    return rem;
}

}  // namespace tsy
