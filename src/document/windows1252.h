// Windows-1252, the single-byte code page of the untagged texts in older document files.
#pragma once

#include <cstdint>

namespace tsy {

// Bytes 81, 8D, 8F, 90 and 9D are unassigned and map to the C1 control of the same value.
char16_t Windows1252ToUtf16(uint8_t byte);

}  // namespace tsy
