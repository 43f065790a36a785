#include "message/control_chars.h"
#include "message/hex_number.h"
#include "message/markup.h"

namespace tsy {
namespace {

using detail::ReadHexLong;

void AppendRaw(std::u16string& out, char16_t c, bool skipRawControls) {
    if (!(skipRawControls && c < 0x20)) out += c;
}

// Tries the bracket group starting at markup[j] == '['. On success appends its character and
// returns the index after the closing bracket; otherwise returns 0.
std::size_t ParseBracketGroup(std::u16string_view m, std::size_t j, std::u16string& out) {
    const std::size_t n = m.size();
    // Indices at or beyond the end are "not ]".
    auto closes = [&](std::size_t k) { return k < n && m[k] == u']'; };
    if (j + 3 >= n) return 0;
    if (closes(j + 3) || closes(j + 4)) {
        const std::size_t len = closes(j + 3) ? 2 : 3;
        const std::int32_t code = ControlCode(m.substr(j + 1, len));
        if (code < 0) return 0;
        out += static_cast<char16_t>(code);
        return j + len + 2;
    }
    if (m[j + 1] == u'0' && (m[j + 2] == u'x' || m[j + 2] == u'X')) {
        if (closes(j + 5)) {
            out += static_cast<char16_t>(ReadHexLong(m.substr(j + 1, 4)) & 0xFF);
            return j + 6;
        }
        if (closes(j + 7)) {
            out += static_cast<char16_t>(ReadHexLong(m.substr(j + 1, 6)) & 0xFFFF);
            return j + 8;
        }
    }
    return 0;
}

std::u16string ParseBracket(std::u16string_view m, bool skipRawControls) {
    std::u16string out;
    out.reserve(m.size());
    std::size_t j = 0;
    while (j < m.size()) {
        if (m[j] == u'[') {
            if (std::size_t next = ParseBracketGroup(m, j, out)) {
                j = next;
                continue;
            }
            out += u'[';
        } else {
            AppendRaw(out, m[j], skipRawControls);
        }
        ++j;
    }
    return out;
}

// Handles the escape whose backslash is at m[i]; returns the index after it.
std::size_t ParseCEscape(std::u16string_view m, std::size_t i, std::u16string& out) {
    const std::size_t n = m.size();
    if (i + 1 >= n) return n;  // a trailing backslash is dropped
    const char16_t c = m[i + 1];
    if ((c == u'x' || c == u'X') && i + 3 < n) {
        out += static_cast<char16_t>(ReadHexLong(m.substr(i + 2, 2)) & 0xFF);
        return i + 4;
    }
    if ((c == u'u' || c == u'U') && i + 5 < n) {
        out += static_cast<char16_t>(ReadHexLong(m.substr(i + 2, 4)) & 0xFFFF);
        return i + 6;
    }
    switch (c) {
        case u'\\':
            out += u'\\';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        default:
            break;  // unknown escapes vanish with their backslash
    }
    return i + 2;
}

std::u16string ParseC(std::u16string_view m, bool skipRawControls) {
    std::u16string out;
    out.reserve(m.size());
    std::size_t i = 0;
    while (i < m.size()) {
        if (m[i] == u'\\') {
            i = ParseCEscape(m, i, out);
        } else {
            AppendRaw(out, m[i++], skipRawControls);
        }
    }
    return out;
}

bool IsBinarySeparator(char16_t c) {
    return c == u' ' || c == u'\r' || c == u'\n';
}

std::u16string ParseBinary(std::u16string_view m) {
    std::u16string out;
    out.reserve(m.size() / 3 + 1);
    std::size_t i = 0;
    while (i < m.size()) {
        if (IsBinarySeparator(m[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < m.size() && !IsBinarySeparator(m[end])) ++end;
        out += static_cast<char16_t>(ReadHexLong(m.substr(i, end - i)) & 0xFFFF);
        i = end;
    }
    return out;
}

}  // namespace

std::u16string ParseMarkup(std::u16string_view markup, MarkupStyle style, bool skipRawControls) {
    switch (style) {
        case MarkupStyle::C:
            return ParseC(markup, skipRawControls);
        case MarkupStyle::Binary:
            return ParseBinary(markup);
        case MarkupStyle::Bracket:
        default:
            return ParseBracket(markup, skipRawControls);
    }
}

}  // namespace tsy
