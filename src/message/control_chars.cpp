#include "message/control_chars.h"
#include "platform/ascii_case.h"

#include <array>
#include <cstdio>

namespace tsy {
namespace {

// Descriptions are kept as the program has always shown them, misspellings included.
constexpr ControlCharRow kRows[] = {
    {0x00, u"NUL", u"Null"},
    {0x01, u"SOH", u"Start of Heading"},
    {0x02, u"STX", u"Start of Text"},
    {0x03, u"ETX", u"End of Text"},
    {0x04, u"EOT", u"End of Transmission"},
    {0x05, u"ENQ", u"Enquiry"},
    {0x06, u"ACK", u"Acknowledge"},
    {0x07, u"BEL", u"Bell"},
    {0x08, u" BS", u"Backspace"},
    {0x09, u" HT", u"Horizontal Tab"},
    {0x0A, u" LF", u"Linefeed"},
    {0x0B, u" VT", u"Vertical Tab"},
    {0x0C, u" FF", u"Formfeed"},
    {0x0D, u" CR", u"Carriage Return"},
    {0x0E, u" SO", u"Shift Out"},
    {0x0F, u" SI", u"Shift In"},
    {0x10, u"DLE", u"Data Link Escape"},
    {0x11, u"DC1", u"Device Control 1"},
    {0x12, u"DC2", u"Device Control 2"},
    {0x13, u"DC3", u"Device Control 3"},
    {0x14, u"DC4", u"Device Control 4"},
    {0x15, u"NAK", u"Negative Acknowledge"},
    {0x16, u"SYN", u"Synchonous Idle"},
    {0x17, u"ETB", u"End Transmission Block"},
    {0x18, u"CAN", u"Cancel"},
    {0x19, u" EM", u"End of Medium"},
    {0x1A, u"SUB", u"Substitute"},
    {0x1B, u"ESC", u"Escape"},
    {0x1C, u" FS", u"File Separator"},
    {0x1D, u" GS", u"Group Separator"},
    {0x1E, u" RS", u"Record Separator"},
    {0x1F, u" US", u"Unit Separator"},
    {0x7F, u"DEL", u"Delete"},
    {0x80, u"PAD", u"Padding Character"},
    {0x81, u"HOP", u"High Octet Preset"},
    {0x82, u"BPH", u"Break Permitted here"},
    {0x83, u"NBH", u"No Break here"},
    {0x84, u"IND", u"Index"},
    {0x85, u"NEL", u"Next Line"},
    {0x86, u"SSA", u"Start of Selected Area"},
    {0x87, u"ESA", u"End of Selected Area"},
    {0x88, u"HTS", u"Horizontal Tabulation Set"},
    {0x89, u"HTJ", u"Horizontal Tabulation with Justification"},
    {0x8A, u"VTS", u"Vertical Tabulation Set"},
    {0x8B, u"PLD", u"Partial Line Down"},
    {0x8C, u"PLU", u"Partial Line Up"},
    {0x8D, u" RI", u"Reverse Index"},
    {0x8E, u"SS2", u"Single Shift Two"},
    {0x8F, u"SS3", u"Single Shift Three"},
    {0x90, u"DCS", u"Device Control String"},
    {0x91, u"PU1", u"Private Use One"},
    {0x92, u"PU2", u"Private Use Two"},
    {0x93, u"STS", u"Set Transmit State"},
    {0x94, u"CCH", u"Cancel Character"},
    {0x95, u" MW", u"Message waiting"},
    {0x96, u"SPA", u"Start of Protected Area"},
    {0x97, u"EPA", u"End of Protected Area"},
    {0x98, u"SOS", u"Start of String"},
    {0x99, u"SGC", u"Single Graphic Character Introducer"},
    {0x9A, u"SCI", u"Single Character Introducer"},
    {0x9B, u"CSI", u"Sequence Introducer"},
    {0x9C, u" ST", u"String Terminator"},
    {0x9D, u"OSC", u"Operating System Command"},
    {0x9E, u" PM", u"Privacy Pessage"},
    {0x9F, u"APC", u"Application Program Command"},
    // Aliases without the padding space, accepted when parsing (none for 0x19).
    {0x08, u"BS", u""},
    {0x09, u"HT", u""},
    {0x0A, u"LF", u""},
    {0x0B, u"VT", u""},
    {0x0C, u"FF", u""},
    {0x0D, u"CR", u""},
    {0x0E, u"SO", u""},
    {0x0F, u"SI", u""},
    {0x1C, u"FS", u""},
    {0x1D, u"GS", u""},
    {0x1E, u"RS", u""},
    {0x1F, u"US", u""},
    {0x8D, u"RI", u""},
    {0x95, u"MW", u""},
    {0x9C, u"ST", u""},
    {0x9E, u"PM", u""},
    {-1, u"XXX", u""},
};

constexpr const ControlCharRow& Terminator() {
    return kRows[std::size(kRows) - 1];
}

const ControlCharRow& RowOf(std::int32_t code) {
    for (const ControlCharRow& row : kRows) {
        if (row.code == code) return row;
    }
    return Terminator();
}

}  // namespace

std::span<const ControlCharRow> ControlCharTable() {
    return kRows;
}

std::u16string_view ControlName(std::int32_t code) {
    return RowOf(code).name;
}

std::u16string_view ControlDescription(std::int32_t code) {
    return RowOf(code).description;
}

std::int32_t ControlCode(std::u16string_view mnemonic) {
    std::u16string key(mnemonic.substr(0, 3));
    for (char16_t& c : key) c = AsciiUpper(c);
    for (const ControlCharRow& row : kRows) {
        if (row.code >= 0 && row.name == key) return row.code;
    }
    return -1;
}

std::vector<std::int32_t> ControlPickerCodes() {
    std::vector<std::int32_t> codes;
    for (std::int32_t c = 0x00; c <= 0x1F; ++c) codes.push_back(c);
    for (std::int32_t c = 0x7F; c <= 0x9F; ++c) codes.push_back(c);
    return codes;
}

std::u16string ControlPickerLine(std::int32_t code) {
    char head[16];
    std::snprintf(head, sizeof head, "0x%02x %03d ", static_cast<unsigned>(code & 0xFF),
                  static_cast<int>(code & 0xFF));
    std::u16string line(head, head + std::char_traits<char>::length(head));
    // The list font has a glyph for each C0 code; NUL and the rest show blank.
    const bool glyph = code >= 0x01 && code <= 0x1F;
    line += glyph ? static_cast<char16_t>(code) : u' ';
    line += u"   ";
    std::u16string_view name = ControlName(code);
    line += name;
    for (std::size_t n = name.size(); n < 5; ++n) line += u' ';
    line += ControlDescription(code);
    return line;
}

std::u16string ControlPickerPreview(std::u16string_view picked, MarkupStyle style) {
    return FormatMarkup(picked, style, false, false);
}

}  // namespace tsy
