// UTF-16 <-> UTF-8 for the platform's own boundaries (profile file, stderr, font names). Lone
// surrogates and invalid bytes become U+FFFD instead of failing.
#pragma once

#include <string>
#include <string_view>

namespace tsy {

std::u32string Utf16ToCodePoints(std::u16string_view text);
std::string Utf16ToUtf8Text(std::u16string_view text);
std::u16string Utf8ToUtf16Text(std::string_view text);

}  // namespace tsy
