// Extended Channel Interpretation: the character sets a symbol can announce.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "message/combo_choice.h"
#include "message/message_bytes.h"
#include "platform/ascii_case.h"

namespace tsy {

struct EciEntry {
    std::int32_t eci;        // -1 in the end row
    std::uint32_t codePage;  // 0 in the end row (symbology default)
    std::u16string_view name;
};

// The 26 rows in order, followed by the end row (-1, 0, "Symbology default").
std::span<const EciEntry> EciTable();

struct EciLookup {
    std::uint32_t codePage = 0;
    std::int32_t eci = -1;
};

// First row whose name equals the argument ignoring case; the end row's (0, -1) when none.
EciLookup FindEciByName(std::u16string_view name);

// Name of the first row with that number; "Symbology default" when none.
std::u16string_view EciName(std::int32_t eci);

// ECI of the first row with that code page; -1 when none (the legacy rows are never chosen).
std::int32_t EciForCodepage(std::uint32_t codePage);

// The ECI combo: every row's name including "Symbology default", that name when the selected
// name is empty, selection by case-insensitive prefix.
ComboChoice FillEciCombo(std::u16string_view selectedName, bool sorted = true);

// The escape an Aztec message starts with to carry an ECI: ESC, the count of decimal digits
// (1..6) and the number. Empty for a number outside 0..999999.
MessageBytes AztecEciPrefix(std::int32_t eci);

}  // namespace tsy
