// ASCII-only case folding: names, extensions and keywords compare this way whatever the locale.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace tsy {

template <class Char>
constexpr Char AsciiLower(Char c) {
    return c >= Char('A') && c <= Char('Z') ? Char(c + ('a' - 'A')) : c;
}

template <class Char>
constexpr Char AsciiUpper(Char c) {
    return c >= Char('a') && c <= Char('z') ? Char(c - ('a' - 'A')) : c;
}

template <class Char>
std::basic_string<Char> AsciiLower(std::basic_string_view<Char> text) {
    std::basic_string<Char> out(text);
    for (Char& c : out) c = AsciiLower(c);
    return out;
}

template <class Char>
std::basic_string<Char> AsciiUpper(std::basic_string_view<Char> text) {
    std::basic_string<Char> out(text);
    for (Char& c : out) c = AsciiUpper(c);
    return out;
}

template <class Char>
bool EqualsIgnoringCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](Char x, Char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

inline bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return EqualsIgnoringCase<char16_t>(a, b);
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return EqualsIgnoringCase<char>(a, b);
}

}  // namespace tsy
