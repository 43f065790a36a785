// The code pages a user can choose, their classes and the name look-ups.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "message/combo_choice.h"
#include "platform/ascii_case.h"

namespace tsy {

inline constexpr std::uint32_t CPF_NATIONAL7 = 0x1;  // seven-bit national variant
inline constexpr std::uint32_t CPF_BYTE8 = 0x2;      // eight-bit
inline constexpr std::uint32_t CPF_WIDE16 = 0x4;     // sixteen-bit
inline constexpr std::uint32_t CPF_COMMON = 0x8;     // offered in both classes

inline constexpr std::uint32_t CP_CLASS_LINEAR = CPF_NATIONAL7 | CPF_COMMON;       // 0x9
inline constexpr std::uint32_t CP_CLASS_2D = CPF_BYTE8 | CPF_WIDE16 | CPF_COMMON;  // 0xE

// Code-page numbers that are the program's own or handled apart from the platform.
inline constexpr std::uint32_t CP_BINARY = 30;
inline constexpr std::uint32_t CP_UTF16LE = 1200;
inline constexpr std::uint32_t CP_UTF16BE = 1201;
inline constexpr std::uint32_t CP_UTF8 = 65001;
inline constexpr std::uint32_t CP_ASCII = 20127;
inline constexpr std::uint32_t CP_ISO8859_1 = 28591;
inline constexpr std::uint32_t CP_CP437 = 437;

struct CodepageEntry {
    std::uint32_t flags;
    std::uint32_t codePage;
    std::u16string_view name;
};

// The 40 rows in order, followed by the end row (flags 0, code page 0, "not_supported").
std::span<const CodepageEntry> CodepageTable();

// True when the row's flags share a bit with the class mask.
constexpr bool InCodepageClass(const CodepageEntry& e, std::uint32_t classMask) {
    return (e.flags & classMask) != 0;
}

struct CodepageLookup {
    std::uint32_t codePage = 0;  // 0 (symbology default) when not found
    bool found = false;
};

// Search key: lower case, "-", "_" and "." as spaces, then "iso ", "cp ", "utf " joined to the
// following word.
std::u16string NormalizeCodepageName(std::u16string_view name);

// Partial search: the first row of the class whose normalized name contains the normalized
// argument.
CodepageLookup FindCodepageByName(std::u16string_view name, std::uint32_t classMask);

// Whole-name search over all rows, ignoring case.
CodepageLookup FindCodepageExact(std::u16string_view name);

// Name of the first row with that number; "not_supported" when none.
std::u16string_view CodepageName(std::uint32_t codePage);

// Help-text listing: each row of the class, spaces as "_", one per line ending "\r\n".
std::u16string ListCodepages(std::uint32_t classMask);

// The linear code-page combo: every CP_CLASS_LINEAR row, "Iso 646 (ASCII)" when the
// selected name is empty, selection by case-insensitive prefix. sorted: as the message page's
// sorted box lists them.
ComboChoice FillCodepageCombo(std::u16string_view selectedName, bool sorted = true);

}  // namespace tsy
