#include "message/codepage_translator.h"

#include <algorithm>
#include <cstring>

#include "message/codepage_table.h"
#include "message/iso8859_tables.h"
#include "message/platform_codepage.h"
#include "message/seven_bit_tables.h"

namespace tsy {
namespace {

using detail::kUndefinedChar;

enum class Kind { Binary, SevenBit, Utf16Le, Utf16Be, EightBit, Platform };

Kind KindOf(std::uint32_t codePage) {
    if (codePage == CP_BINARY) return Kind::Binary;
    if (detail::SevenBitIndex(codePage) >= 0) return Kind::SevenBit;
    if (codePage == CP_UTF16LE) return Kind::Utf16Le;
    if (codePage == CP_UTF16BE) return Kind::Utf16Be;
    if (detail::Iso8859Part(codePage) != 0) return Kind::EightBit;
    return Kind::Platform;
}

// The code pages whose first 128 characters are ASCII in glibc's iconv: a text of ASCII alone,
// the usual message, needs no converter (opening one costs more than a small symbol).
bool AsciiCompatible(std::uint32_t codePage) {
    switch (codePage) {
        case 437:
        case 1250:
        case 1251:
        case 1252:
        case 1256:
        case 65001:
            return true;
        default:
            return false;
    }
}

bool IsAscii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t u) { return u < 0x80; });
}

MessageBytes BinaryToBytes(std::u16string_view text, bool& lossless) {
    MessageBytes out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(text[i] & 0xFF);
        if (text[i] > 0xFF) lossless = false;
    }
    return out;
}

MessageBytes Utf16ToBytes(std::u16string_view text, bool bigEndian) {
    MessageBytes out;
    out.reserve(text.size() * 2);
    for (char16_t u : text) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

std::u16string Utf16ToText(std::string_view bytes, bool bigEndian) {
    std::u16string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned a = static_cast<unsigned char>(bytes[i]);
        const unsigned b = static_cast<unsigned char>(bytes[i + 1]);
        out += static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    }
    return out;
}

std::u16string TableToText(std::string_view bytes, const std::uint16_t* table) {
    std::u16string out(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out[i] = static_cast<char16_t>(table[static_cast<unsigned char>(bytes[i])]);
    }
    return out;
}

}  // namespace

CodepageTranslator::CodepageTranslator() = default;

const CodepageTranslator::SevenBitReverse& CodepageTranslator::SevenBitReverseTable(
    int table) const {
    const auto slot = static_cast<std::size_t>(table);
    std::call_once(sevenBitOnce_[slot], [&] {
        SevenBitReverse& rev = sevenBitReverse_[slot];
        rev.fill(kUndefinedChar);
        const detail::SevenBitTable& fwd = detail::SevenBitForward(table);
        for (std::uint16_t b = 0; b < 0x80; ++b) {
            if (fwd[b] < 0x100) rev[fwd[b]] = b;
        }
    });
    return sevenBitReverse_[slot];
}

CodepageTranslator::~CodepageTranslator() = default;

// Made on first use: a run that translates nothing builds no table.
const CodepageTranslator& CodepageTranslator::Instance() {
    static const CodepageTranslator translator;
    return translator;
}

const CodepageTranslator::EightBitReverse& CodepageTranslator::EightBitReverseTable(
    int part) const {
    const auto slot = static_cast<std::size_t>(part - 1);
    std::call_once(eightBitOnce_[slot], [&] {
        auto rev = std::make_unique<EightBitReverse>();
        const std::uint16_t* fwd = detail::Iso8859Forward(part);
        for (int b = 0; b < 256; ++b) {
            // Undefined bytes stay out, or U+FFFF would translate to the last of them.
            if (fwd[b] == kUndefinedChar) continue;
            auto& page = rev->pages[fwd[b] >> 8];
            if (!page) {
                page = std::make_unique<std::array<std::uint8_t, 256>>();
                page->fill('?');
            }
            (*page)[fwd[b] & 0xFF] = static_cast<std::uint8_t>(b);
        }
        eightBitReverse_[slot] = std::move(rev);
    });
    return *eightBitReverse_[slot];
}

MessageBytes CodepageTranslator::SevenBitToBytes(std::u16string_view text, int table,
                                                 bool& lossless) const {
    const SevenBitReverse& rev = SevenBitReverseTable(table);
    MessageBytes out;
    out.reserve(text.size());
    for (char16_t u : text) {
        const std::uint16_t b = u < 0x100 ? rev[u] : kUndefinedChar;
        if (b > 0x7F) {
            lossless = false;  // dropped
            continue;
        }
        out += static_cast<char>(b);
    }
    return out;
}

ByteTranslation CodepageTranslator::ToBytes(std::u16string_view text,
                                            std::uint32_t codePage) const {
    ByteTranslation r;
    if (text.empty()) return r;
    switch (KindOf(codePage)) {
        case Kind::Binary:
            r.bytes = BinaryToBytes(text, r.lossless);
            break;
        case Kind::SevenBit:
            r.bytes = SevenBitToBytes(text, detail::SevenBitIndex(codePage), r.lossless);
            break;
        case Kind::Utf16Le:
        case Kind::Utf16Be:
            r.bytes = Utf16ToBytes(text, codePage == CP_UTF16BE);
            break;
        case Kind::EightBit: {
            const int part = detail::Iso8859Part(codePage);
            if (detail::Iso8859Forward(part) == nullptr) {
                r.lossless = false;
                break;
            }
            const EightBitReverse& rev = EightBitReverseTable(part);
            r.bytes.resize(text.size());
            for (std::size_t i = 0; i < text.size(); ++i)
                r.bytes[i] = static_cast<char>(rev[text[i]]);
            break;
        }
        case Kind::Platform: {
            if (AsciiCompatible(codePage) && IsAscii(text)) {
                r.bytes.assign(text.begin(), text.end());
                break;
            }
            if (!detail::PlatformToBytes(text, codePage, r.bytes)) r.bytes.clear();
            std::u16string back;
            detail::PlatformToText(r.bytes, codePage, back);
            r.lossless = back == text;
            break;
        }
    }
    return r;
}

TextTranslation CodepageTranslator::ToText(std::string_view bytes, std::uint32_t codePage) const {
    TextTranslation r;
    if (bytes.empty()) return r;
    switch (KindOf(codePage)) {
        case Kind::Binary:
            r.text.resize(bytes.size());
            for (std::size_t i = 0; i < bytes.size(); ++i)
                r.text[i] = static_cast<unsigned char>(bytes[i]);
            break;
        case Kind::SevenBit:
            r.text =
                TableToText(bytes, detail::SevenBitForward(detail::SevenBitIndex(codePage)).data());
            break;
        case Kind::Utf16Le:
        case Kind::Utf16Be:
            r.text = Utf16ToText(bytes, codePage == CP_UTF16BE);
            break;
        case Kind::EightBit:
            if (const std::uint16_t* fwd = detail::Iso8859Forward(detail::Iso8859Part(codePage))) {
                r.text = TableToText(bytes, fwd);
            } else {
                r.ok = false;
            }
            break;
        case Kind::Platform:
            if (AsciiCompatible(codePage) && std::all_of(bytes.begin(), bytes.end(), [](char b) {
                    return static_cast<unsigned char>(b) < 0x80;
                })) {
                r.text.assign(bytes.begin(), bytes.end());
                break;
            }
            if (!detail::PlatformToText(bytes, codePage, r.text)) r.text.clear();
            break;
    }
    return r;
}

ByteTranslation ToBytes(std::u16string_view text, std::uint32_t codePage) {
    return CodepageTranslator::Instance().ToBytes(text, codePage);
}

TextTranslation ToText(std::string_view bytes, std::uint32_t codePage) {
    return CodepageTranslator::Instance().ToText(bytes, codePage);
}

std::size_t ToBoundedBytes(std::u16string_view text, std::uint32_t codePage, char* dest,
                           std::size_t capacity) {
    const MessageBytes bytes = ToBytes(text, codePage).bytes;
    const std::size_t n = std::min(capacity, bytes.size());
    // strncpy semantics: the copy stops at a 0x00 and pads the rest of the n positions.
    const std::size_t copied = std::min(n, std::strlen(bytes.c_str()));
    std::memcpy(dest, bytes.data(), copied);
    std::memset(dest + copied, 0, n - copied);
    return n;
}

}  // namespace tsy
