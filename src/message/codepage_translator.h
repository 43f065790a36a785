// Translation between UTF-16 text and the bytes of a code page.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "message/message_bytes.h"

namespace tsy {

struct ByteTranslation {
    MessageBytes bytes;
    bool lossless = true;  // false when a character could not be represented
};

struct TextTranslation {
    std::u16string text;
    bool ok = true;  // false only when a table-driven number has no table (285912)
};

// Dispatch on the number: 30 binary; 20127 and 80-94 seven-bit tables; 1200/1201 UTF-16
// LE/BE; 28591-28599 and 285910-285916 ISO 8859 tables; anything else through the platform
// (glibc iconv, "?" as the default character).
class CodepageTranslator {
public:
    CodepageTranslator();  // builds nothing: each table is made on its first use
    ~CodepageTranslator();
    CodepageTranslator(const CodepageTranslator&) = delete;
    CodepageTranslator& operator=(const CodepageTranslator&) = delete;

    ByteTranslation ToBytes(std::u16string_view text, std::uint32_t codePage) const;
    TextTranslation ToText(std::string_view bytes, std::uint32_t codePage) const;

    // The process-wide translator.
    static const CodepageTranslator& Instance();

private:
    using SevenBitReverse = std::array<std::uint16_t, 256>;
    // Bytes by code unit, a 256-entry page for each high byte the code page reaches: the ISO
    // 8859 parts reach a handful, and a whole 64 KiB table cost a short message more to fill
    // than to translate.
    struct EightBitReverse {
        std::array<std::unique_ptr<std::array<std::uint8_t, 256>>, 256> pages;
        std::uint8_t operator[](char16_t u) const {
            const auto& page = pages[u >> 8];
            return page ? (*page)[u & 0xFF] : static_cast<std::uint8_t>('?');
        }
    };
    static constexpr int kEightBitSlots = 20;

    MessageBytes SevenBitToBytes(std::u16string_view text, int table, bool& lossless) const;
    const EightBitReverse& EightBitReverseTable(int part) const;

    const SevenBitReverse& SevenBitReverseTable(int table) const;

    mutable std::array<SevenBitReverse, 16> sevenBitReverse_;
    mutable std::array<std::once_flag, 16> sevenBitOnce_;
    mutable std::array<std::unique_ptr<EightBitReverse>, kEightBitSlots> eightBitReverse_;
    mutable std::array<std::once_flag, kEightBitSlots> eightBitOnce_;
};

// Shorthands for the process-wide translator.
ByteTranslation ToBytes(std::u16string_view text, std::uint32_t codePage);
TextTranslation ToText(std::string_view bytes, std::uint32_t codePage);

// Decodes an imported file: UTF-8, UTF-16LE or UTF-16BE by byte-order mark (files of 3 bytes
// or more), otherwise the ANSI code page: UTF-8 when the bytes are valid UTF-8, else
// Windows-1252.
std::u16string DecodeFileText(std::string_view fileBytes);

// Translates, then copies min(capacity, length) bytes into dest like a bounded string copy: a
// 0x00 ends the copy and the rest of those positions become 0x00. Returns that count.
std::size_t ToBoundedBytes(std::u16string_view text, std::uint32_t codePage, char* dest,
                           std::size_t capacity);

}  // namespace tsy
