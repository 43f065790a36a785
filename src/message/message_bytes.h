// The bytes an encoder receives: a counted string, 0x00 allowed anywhere. std::string keeps a
// terminating 0x00 after size() for callers that want one.
#pragma once

#include <string>

namespace tsy {

using MessageBytes = std::string;

}  // namespace tsy
