#include "encoders/common/reed_solomon.h"

namespace tsy {

GaloisField::GaloisField(int size, int polynomial)
    : size_(size),
      polynomial_(polynomial),
      exp_(static_cast<std::size_t>(4 * size), 0),
      log_(static_cast<std::size_t>(size)) {
    int x = 1;
    for (int i = 0; i < zeroLog(); ++i) {
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
    int* p = g.data();
    for (int i = 0; i < k; ++i) {
        const int* times = gf.productRow(gf.exp(firstRoot + i));
        for (int j = i + 1; j > 0; --j) p[j] = p[j - 1] ^ times[gf.logOrZero(p[j])];
        p[0] = times[gf.logOrZero(p[0])];
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
    // In the log domain, without a branch: large symbols run this loop for most of their time.
    std::vector<int> logG(static_cast<std::size_t>(k));
    for (int j = 0; j < k; ++j)
        logG[static_cast<std::size_t>(j)] = gf.logOrZero(g[static_cast<std::size_t>(j)]);
    int* r = rem.data();
    const int* lg = logG.data();
    for (int i = 0; i < count; ++i) {
        const int* row = gf.productRow(data[i] ^ r[0]);
#pragma GCC unroll 4
        for (int j = 0; j + 1 < k; ++j) r[j] = r[j + 1] ^ row[lg[j]];
        r[k - 1] = row[lg[k - 1]];
    }
    return rem;
}

}  // namespace tsy
