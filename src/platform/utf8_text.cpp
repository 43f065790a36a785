#include "platform/utf8_text.h"

namespace tsy {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

Utf8Sequence DecodeUtf8At(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    Utf8Sequence s;
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        s.value = lead;
        s.valid = true;
        return s;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, s.value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, s.value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, s.value = lead & 0x07, minimum = 0x10000;
    } else {
        return s;
    }
    if (pos + length > text.size()) return s;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return s;
        s.value = (s.value << 6) | (next & 0x3F);
    }
    s.length = length;
    s.valid = s.value >= minimum && s.value <= 0x10FFFF && (s.value < 0xD800 || s.value > 0xDFFF);
    return s;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Utf8Sequence s = DecodeUtf8At(bytes, pos);
        if (!s.valid) return false;
        pos += s.length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

std::u32string Utf16ToCodePoints(std::u16string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            out +=
                static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            out += kReplacement;
        } else {
            out += unit;
        }
    }
    return out;
}

std::string Utf16ToUtf8Text(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : Utf16ToCodePoints(text)) AppendUtf8(out, c);
    return out;
}

std::u16string Utf8ToUtf16Text(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Sequence s = DecodeUtf8At(text, pos);
        AppendUtf16(out, s.valid ? s.value : kReplacement);
        pos += s.length;
    }
    return out;
}

}  // namespace tsy
