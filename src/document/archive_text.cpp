#include "document/archive.h"
#include "document/windows1252.h"

namespace tsy {
namespace {

constexpr uint8_t kLongLength = 0xFF;
constexpr uint16_t kUnicodeTag = 0xFFFE;
constexpr uint16_t kLongerLength = 0xFFFF;

uint16_t Word(std::string_view b) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8);
}

}  // namespace

void CArchive::WriteText(std::u16string_view text) {
    WriteByte(kLongLength);
    WriteByte(kUnicodeTag & 0xFF);
    WriteByte(kUnicodeTag >> 8);
    const std::size_t n = text.size();
    if (n > 0xFFFFFFFEu) throw std::length_error("text too long for an archive");
    if (n < kLongLength) {
        WriteByte(static_cast<uint8_t>(n));
    } else {
        WriteByte(kLongLength);
        if (n < kUnicodeTag) {
            WriteByte(n & 0xFF);
            WriteByte(static_cast<uint8_t>(n >> 8));
        } else {
            WriteByte(0xFF);
            WriteByte(0xFF);
            WriteInt32(static_cast<int32_t>(static_cast<uint32_t>(n)));
        }
    }
    for (char16_t c : text) {
        WriteByte(c & 0xFF);
        WriteByte(static_cast<uint8_t>(c >> 8));
    }
}

// The tag may stand where a 16-bit length would; the real prefix follows it.
uint64_t CArchive::ReadLengthPrefix(bool* unicode) {
    *unicode = false;
    for (;;) {
        const uint8_t b = ReadByte();
        if (b < kLongLength) return b;
        const uint16_t w = Word(ReadBytes(2));
        if (w == kUnicodeTag && !*unicode) {
            *unicode = true;
            continue;
        }
        if (w != kLongerLength) return w;
        return static_cast<uint32_t>(ReadInt32());
    }
}

std::u16string CArchive::ReadText() {
    bool unicode = false;
    const uint64_t n = ReadLengthPrefix(&unicode);
    // Checked against the bytes left before anything is allocated, so a damaged length
    // can neither wrap nor reserve gigabytes.
    Need(unicode ? n * 2 : n);
    std::u16string text;
    text.resize(static_cast<std::size_t>(n));
    if (unicode) {
        const std::string_view b = ReadBytes(static_cast<std::size_t>(n * 2));
        for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char16_t>(Word(b.substr(2 * i)));
    } else {
        const std::string_view b = ReadBytes(static_cast<std::size_t>(n));
        for (std::size_t i = 0; i < n; ++i)
            text[i] = Windows1252ToUtf16(static_cast<uint8_t>(b[i]));
    }
    return text;
}

}  // namespace tsy
