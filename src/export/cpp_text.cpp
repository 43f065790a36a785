#include <algorithm>
#include <cstdio>

#include "export/cpp_export_detail.h"

namespace tsy::cpp_export {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendHex2(std::string& out, unsigned v) {
    out += "0x";
    out.push_back(kHex[(v >> 4) & 0xF]);
    out.push_back(kHex[v & 0xF]);
}

// "%02hX": at least two digits of the value as an unsigned short.
void AppendShortHex(std::string& out, unsigned v) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", v & 0xFFFF);
    out += "0x";
    out += text;
}

bool HighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool LowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The code point at text[i]; *length is 2 for a surrogate pair, else 1.
char32_t CodePointAt(std::u16string_view text, std::size_t i, std::size_t* length) {
    *length = 1;
    if (HighSurrogate(text[i]) && i + 1 < text.size() && LowSurrogate(text[i + 1])) {
        *length = 2;
        return 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00);
    }
    return text[i];
}

}  // namespace

std::string EscapeCaption(std::u16string_view caption) {
    std::string out;
    bool afterEscape = false;
    for (std::size_t i = 0, n = 0; i < caption.size(); i += n) {
        const char32_t c = CodePointAt(caption, i, &n);
        if (c < 0x20 || c >= 0x80) {
            if (!afterEscape) out += "\" ";
            char text[24];
            // wchar_t holds 32 bits here: a character beyond U+FFFF is one escape, not a pair.
            std::snprintf(text, sizeof text, c > 0xFFFF ? "L\"\\U%08X\" " : "L\"\\x%04X\" ",
                          static_cast<unsigned>(c));
            out += text;
            afterEscape = true;
            continue;
        }
        if (afterEscape) out += "L\"";
        afterEscape = false;
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(static_cast<char>(c));
    }
    if (afterEscape) out += "L\"";
    return out;
}

char PreviewChar(uint8_t grey) {
    if (grey < 20) return '#';
    if (grey < 40) return '@';
    if (grey < 80) return 'a';
    if (grey < 128) return 'c';
    if (grey < 160) return ':';
    if (grey < 220) return '.';
    return ' ';
}

void AppendContentsLine(std::string& out, std::string_view bytes, std::size_t offset) {
    const std::size_t count = std::min<std::size_t>(16, bytes.size() - offset);
    char text[40];
    std::snprintf(text, sizeof text, "\t/* 0x%04zX 0x%02zX */\t", offset, count);
    out += text;
    for (std::size_t i = 0; i < count; ++i) {
        AppendHex2(out, static_cast<uint8_t>(bytes[offset + i]));
        out.push_back(',');
    }
    out.append(5 * (16 - count), ' ');
    out += " // ";
    for (std::size_t i = 0; i < count; ++i) {
        const auto b = static_cast<uint8_t>(bytes[offset + i]);
        // A backslash before the line end would splice the next line into the comment.
        out.push_back(b >= 0x20 && b <= 0x7E && b != '\\' ? static_cast<char>(b) : '.');
    }
    out += " \n";
}

uint8_t RowChecksum(int rowNumber, int x, const uint8_t* values) {
    unsigned sum = static_cast<unsigned>((rowNumber >> 8) & 0xFF) +
                   static_cast<unsigned>(rowNumber & 0xFF) + static_cast<unsigned>(x & 0xFF);
    for (int i = 0; i < x; ++i) sum += values[i];
    return static_cast<uint8_t>(-sum & 0xFF);
}

void AppendImageRow(std::string& out, int rowNumber, const uint8_t* values, int x) {
    char text[40];
    std::snprintf(text, sizeof text, "\t/* 0x%04X ", static_cast<unsigned>(rowNumber));
    out += text;
    AppendShortHex(out, static_cast<unsigned>(x));
    out += " */\t";
    for (int i = 0; i < x; ++i) {
        AppendHex2(out, values[i]);
        out.push_back(',');
    }
    out += "\t/* ";
    AppendHex2(out, RowChecksum(rowNumber, x, values));
    out += " */\n";
}

}  // namespace tsy::cpp_export
