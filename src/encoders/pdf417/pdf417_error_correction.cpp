#include "encoders/pdf417/pdf417_error_correction.h"

namespace tsy::pdf417 {
namespace {

int Mul(int a, int b) {
    return static_cast<int>(static_cast<long long>(a) * b % kPrime);
}

// Coefficients g[0..k] of the monic generator, g[0] the constant term.
std::vector<int> Generator(int k) {
    std::vector<int> g{1};
    int root = 1;
    for (int i = 1; i <= k; ++i) {
        root = Mul(root, 3);
        std::vector<int> next(g.size() + 1, 0);
        for (std::size_t j = 0; j < g.size(); ++j) {
            next[j + 1] = (next[j + 1] + g[j]) % kPrime;
            next[j] = (next[j] + kPrime - Mul(g[j], root)) % kPrime;
        }
        g = std::move(next);
    }
    return g;
}

}  // namespace

std::vector<int> CheckCodewords(std::span<const int> data, int k) {
    const std::vector<int> g = Generator(k);
    // r[k-1] is the highest-order coefficient of the running remainder.
    std::vector<int> r(static_cast<std::size_t>(k), 0);
    for (int d : data) {
        const int lead = (d + r[k - 1]) % kPrime;
        for (int j = k - 1; j > 0; --j) r[j] = (r[j - 1] + kPrime - Mul(lead, g[j])) % kPrime;
        r[0] = (kPrime - Mul(lead, g[0])) % kPrime;
    }
    std::vector<int> check(static_cast<std::size_t>(k));
    for (int j = 0; j < k; ++j) check[j] = (kPrime - r[k - 1 - j]) % kPrime;
    return check;
}

}  // namespace tsy::pdf417
