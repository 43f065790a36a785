// Optional diagnostic output of the Aztec encoder, in printf formats; null stream = off.
#pragma once

#include <ostream>

namespace tsy::aztec {

#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void AztecTrace(std::ostream* out, const char* format, ...);

}  // namespace tsy::aztec
