// Reed-Solomon check words over GF(2^m), shared by Aztec, Ziggur and QR.
#pragma once

#include <cstdint>
#include <vector>

namespace tsy {

class GaloisField {
public:
    // size = 2^m; polynomial includes the x^m term (e.g. 285 for QR's GF(256)).
    GaloisField(int size, int polynomial);

    int size() const { return size_; }
    int polynomial() const { return polynomial_; }
    int exp(int i) const { return exp_[static_cast<std::size_t>(i % (size_ - 1))]; }
    int log(int v) const { return log_[static_cast<std::size_t>(v)]; }
    // a^e for 0 <= e < 2 (size - 1): the sum of two logarithms, no modulo.
    int expOfSum(int e) const { return exp_[static_cast<std::size_t>(e)]; }
    // Products without a test for zero: zero's "logarithm" leads into the zeros past the
    // doubled table, so productRow(a)[logOrZero(b)] == multiply(a, b).
    int zeroLog() const { return 2 * (size_ - 1); }
    int logOrZero(int v) const { return v == 0 ? zeroLog() : log(v); }
    const int* productRow(int a) const { return exp_.data() + logOrZero(a); }
    int multiply(int a, int b) const {
        if (a == 0 || b == 0) return 0;
        return exp_[static_cast<std::size_t>(log_[static_cast<std::size_t>(a)] +
                                             log_[static_cast<std::size_t>(b)])];
    }

private:
    int size_;
    int polynomial_;
    std::vector<int> exp_;  // doubled so multiply needs no modulo, then zeros (productRow)
    std::vector<int> log_;
};

// The generator (x - a^first)(x - a^(first+1))...(x - a^(first+k-1)), coefficients highest
// order first, leading 1 omitted.
std::vector<int> RsGenerator(const GaloisField& gf, int k, int firstRoot);

// The k check words of data (highest-order coefficient first): the remainder of data * x^k
// divided by the generator, highest order first.
std::vector<int> RsCheckWords(const GaloisField& gf, const int* data, int count, int k,
                              int firstRoot);

}  // namespace tsy
