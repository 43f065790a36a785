// The control-character table: mnemonics for markup and descriptions for the picker.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "message/markup.h"

namespace tsy {

struct ControlCharRow {
    std::int32_t code;  // -1 in the terminator row
    std::u16string_view name;
    std::u16string_view description;
};

// 65 primary rows, 16 alias rows, then the terminator (code -1, "XXX").
std::span<const ControlCharRow> ControlCharTable();

// Name of the first row with that code; "XXX" when none.
std::u16string_view ControlName(std::int32_t code);

// Upper-cases the mnemonic, takes its first three characters and returns the code of the
// first row whose name equals them; -1 when none.
std::int32_t ControlCode(std::u16string_view mnemonic);

// Description of the first row with that code; empty when none.
std::u16string_view ControlDescription(std::int32_t code);

// The codes the picker lists, in order: 0x00-0x1F, then 0x7F-0x9F.
std::vector<std::int32_t> ControlPickerCodes();

// One picker line, "0x%02x %03d %-4c%-5s%s" of code, code, Char column, name, description.
std::u16string ControlPickerLine(std::int32_t code);

// The picker's preview of the picked characters: no line breaks, CR and LF as markup.
std::u16string ControlPickerPreview(std::u16string_view picked, MarkupStyle style);

}  // namespace tsy
