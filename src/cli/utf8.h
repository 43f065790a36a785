// Command-line arguments arrive as bytes, mostly UTF-8; the documents hold UTF-16 text.
#pragma once

#include <string>
#include <string_view>

namespace tsy {

// Ill-formed sequences are taken byte by byte as Latin-1, so no argument byte is lost.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD (the platform's conversion; only the decoding differs).
std::string Utf16ToUtf8(std::u16string_view text);

// File names are bytes: an ill-formed byte is kept as the lone surrogate U+DC80 + byte, which
// no UTF-8 text yields, and NameToBytes gives it back unchanged.
std::u16string NameToUtf16(std::string_view bytes);
std::string NameToBytes(std::u16string_view name);

}  // namespace tsy
