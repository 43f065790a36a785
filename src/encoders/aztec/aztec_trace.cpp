#include "encoders/aztec/aztec_trace.h"

#include <cstdarg>
#include <ostream>

#include "platform/format_text.h"

namespace tsy::aztec {

void AztecTrace(std::ostream* out, const char* format, ...) {
    if (!out) return;
    va_list args;
    va_start(args, format);
    const std::string text = FormatTextV(format, args);
    va_end(args);
    *out << text;
}

}  // namespace tsy::aztec
