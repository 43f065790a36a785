// Reed-Solomon check codewords over GF(929) (ISO/IEC 15438, 5.7).
#pragma once

#include <span>
#include <vector>

namespace tsy::pdf417 {

inline constexpr int kPrime = 929;

// The k check codewords of the data, highest order first: the negated remainder of
// data(x) * x^k divided by (x - 3)(x - 3^2)...(x - 3^k).
std::vector<int> CheckCodewords(std::span<const int> data, int k);

}  // namespace tsy::pdf417
