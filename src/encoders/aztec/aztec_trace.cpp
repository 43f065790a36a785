#include "encoders/aztec/aztec_trace.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace tsy::aztec {

void AztecTrace(std::ostream* out, const char* format, ...) {
    if (!out) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n > 0) {
        std::vector<char> text(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        out->write(text.data(), n);
    }
    va_end(args);
}

}  // namespace tsy::aztec
