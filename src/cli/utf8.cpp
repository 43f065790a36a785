#include "cli/utf8.h"

#include "platform/utf8_text.h"

namespace tsy {
namespace {

constexpr char16_t kEscapedByte = 0xDC00;

template <typename OnIllFormed>
std::u16string Decode(std::string_view text, OnIllFormed onIllFormed) {
    // The ASCII run at the start (usually all of it) widens as it is.
    std::size_t pos = 0;
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80) ++pos;
    std::u16string out(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(pos));
    if (pos == text.size()) return out;
    out.reserve(text.size());
    while (pos < text.size()) {
        const Utf8Sequence s = DecodeUtf8At(text, pos);
        if (s.valid) {
            AppendUtf16(out, s.value);
        } else {
            for (std::size_t i = 0; i < s.length; ++i)
                out += onIllFormed(static_cast<unsigned char>(text[pos + i]));
        }
        pos += s.length;
    }
    return out;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    return Decode(text, [](unsigned char b) { return static_cast<char16_t>(b); });
}

std::string Utf16ToUtf8(std::u16string_view text) {
    return Utf16ToUtf8Text(text);
}

std::u16string NameToUtf16(std::string_view bytes) {
    return Decode(bytes, [](unsigned char b) { return static_cast<char16_t>(kEscapedByte + b); });
}

std::string NameToBytes(std::u16string_view name) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        const bool escaped = i < name.size() && name[i] >= kEscapedByte + 0x80 &&
                             name[i] <= kEscapedByte + 0xFF &&
                             (i == 0 || name[i - 1] < 0xD800 || name[i - 1] > 0xDBFF);
        if (!escaped && i < name.size()) continue;
        out += Utf16ToUtf8Text(name.substr(start, i - start));
        if (escaped) out += static_cast<char>(name[i] - kEscapedByte);
        start = i + 1;
    }
    return out;
}

}  // namespace tsy
