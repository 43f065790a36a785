#include "platform/screen.h"

#include <atomic>
#include <limits>

namespace tsy {

namespace {

std::atomic<int> g_dpiX{kHeadlessDpi};
std::atomic<int> g_dpiY{kHeadlessDpi};

}  // namespace

int ScreenDpiX() {
    return g_dpiX.load(std::memory_order_relaxed);
}
int ScreenDpiY() {
    return g_dpiY.load(std::memory_order_relaxed);
}

void SetScreenDpi(int dpiX, int dpiY) {
    g_dpiX.store(dpiX >= 1 ? dpiX : kHeadlessDpi, std::memory_order_relaxed);
    g_dpiY.store(dpiY >= 1 ? dpiY : kHeadlessDpi, std::memory_order_relaxed);
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const int64_t product = int64_t{a} * int64_t{b};
    const int64_t divisor = c;
    const bool negative = (product < 0) != (divisor < 0);
    const uint64_t p = product < 0 ? uint64_t(0) - uint64_t(product) : uint64_t(product);
    const uint64_t d = divisor < 0 ? uint64_t(0) - uint64_t(divisor) : uint64_t(divisor);
    const uint64_t q = (p + d / 2) / d;
    if (q > uint64_t{std::numeric_limits<int>::max()}) return -1;
    return negative ? -static_cast<int>(q) : static_cast<int>(q);
}

}  // namespace tsy
