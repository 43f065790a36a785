// What a symbol holds, as the contents page shows it: hexadecimal dumps with a character column.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tsy {

// Sixteen bytes a line ("%02X " each, an extra space after the 8th and 16th, ".. " for the
// missing positions of the last line), then each byte as a character of the code page or ".",
// then "\r\n".
std::u16string ByteDump(std::string_view bytes, std::uint32_t codePage);

// Eight UTF-16 units a line ("%04X " each, an extra space after the 4th and 8th, ".... " to
// fill), the units as characters or ".", then "\r\n".
std::u16string TextDump(std::u16string_view text);

}  // namespace tsy
