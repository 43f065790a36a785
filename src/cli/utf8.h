// Command-line arguments arrive as UTF-8; the documents hold UTF-16 text.
#pragma once

#include <string>
#include <string_view>

namespace tsy {

// Invalid sequences are taken byte by byte as Latin-1, so no argument byte is lost.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD (the platform's conversion; only the decoding differs).
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace tsy
