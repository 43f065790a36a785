#include "message/contents_dump.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>

#include "message/codepage_table.h"
#include "message/codepage_translator.h"

namespace tsy {

namespace {

// Printable by the process locale's classification; everything from U+0100 counts as printable.
bool Printable(char16_t c) {
    return c >= 0x100 || std::iswprint(static_cast<wint_t>(c)) != 0;
}

char16_t ByteColumn(unsigned char byte, std::uint32_t codePage) {
    if (codePage == CP_UTF8) return byte >= 0x20 && byte <= 0x7E ? byte : u'.';
    const char one = static_cast<char>(byte);
    const TextTranslation t = ToText(std::string_view(&one, 1), codePage);
    return !t.text.empty() && Printable(t.text[0]) ? t.text[0] : u'.';
}

void Append(std::u16string& out, const char* ascii) {
    for (; *ascii; ++ascii) out += static_cast<char16_t>(*ascii);
}

// The hex columns of one line: width units per line, a gap after every half.
template <class Unit, class Format>
void HexColumns(std::u16string& out, const Unit* units, std::size_t count, std::size_t perLine,
                const char* filler, Format format) {
    for (std::size_t i = 0; i < perLine; ++i) {
        if (i < count)
            format(out, units[i]);
        else
            Append(out, filler);
        if (i + 1 == perLine / 2 || i + 1 == perLine) out += u' ';
    }
}

}  // namespace

std::u16string ByteDump(std::string_view bytes, std::uint32_t codePage) {
    std::u16string out;
    for (std::size_t at = 0; at < bytes.size(); at += 16) {
        const std::size_t count = std::min<std::size_t>(16, bytes.size() - at);
        HexColumns(out, bytes.data() + at, count, 16, ".. ", [](std::u16string& o, char b) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X ", static_cast<unsigned char>(b));
            Append(o, hex);
        });
        for (std::size_t i = 0; i < count; ++i)
            out += ByteColumn(static_cast<unsigned char>(bytes[at + i]), codePage);
        out += u"\r\n";
    }
    return out;
}

std::u16string TextDump(std::u16string_view text) {
    std::u16string out;
    for (std::size_t at = 0; at < text.size(); at += 8) {
        const std::size_t count = std::min<std::size_t>(8, text.size() - at);
        HexColumns(out, text.data() + at, count, 8, ".... ", [](std::u16string& o, char16_t u) {
            char hex[6];
            std::snprintf(hex, sizeof hex, "%04X ", static_cast<unsigned>(u));
            Append(o, hex);
        });
        for (std::size_t i = 0; i < count; ++i)
            out += Printable(text[at + i]) ? text[at + i] : u'.';
        out += u"\r\n";
    }
    return out;
}

}  // namespace tsy
