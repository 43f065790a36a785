// UTF-8 as the program reads and writes it everywhere (arguments, profile, stderr, font names,
// code page 65001). One rule: a sequence is a lead byte and its continuation bytes, and it is
// a character only in its shortest form, outside the surrogates and at most U+10FFFF. What an
// ill-formed sequence becomes is the caller's choice (U+FFFD, or its bytes as Latin-1).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tsy {

struct Utf8Sequence {
    char32_t value = 0;
    std::size_t length = 1;  // bytes taken, at least 1
    bool valid = false;
};

// The sequence at text[pos] (pos < text.size()). A lead byte with a missing or broken
// continuation is ill-formed on its own (length 1); a complete sequence with a forbidden value
// is ill-formed as a whole.
Utf8Sequence DecodeUtf8At(std::string_view text, std::size_t pos);

bool IsValidUtf8(std::string_view bytes);
void AppendUtf16(std::u16string& out, char32_t c);
void AppendUtf8(std::string& out, char32_t c);

// Lone surrogates and ill-formed sequences become U+FFFD instead of failing.
std::u32string Utf16ToCodePoints(std::u16string_view text);
std::string Utf16ToUtf8Text(std::u16string_view text);
std::u16string Utf8ToUtf16Text(std::string_view text);

}  // namespace tsy
