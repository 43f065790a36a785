#include "message/eci_table.h"

#include <string>

namespace tsy {
namespace {

constexpr EciEntry kRows[] = {
    {26, 65001, u"Unicode UTF-8"},
    {21, 1250, u"Win 1250 Eastern European"},
    {22, 1251, u"Win 1251 Cyrillic"},
    {23, 1252, u"Win 1252 Western"},
    {24, 1256, u"Win 1256 Arabic"},
    {3, 28591, u"Iso 8859-1 Western European"},
    {4, 28592, u"Iso 8859-2 Central European"},
    {5, 28593, u"Iso 8859-3 South European"},
    {6, 28594, u"Iso 8859-4 North European"},
    {7, 28595, u"Iso 8859-5 Latin/Cyrillic"},
    {8, 28596, u"Iso 8859-6 Latin/Arabic"},
    {9, 28597, u"Iso 8859-7 Latin/Greek"},
    {10, 28598, u"Iso 8859-8 Latin/Hebrew"},
    {11, 28599, u"Iso 8859-9 Turkish"},
    {12, 285910, u"Iso 8859-10 Nordic"},
    {13, 285911, u"Iso 8859-11 Latin/Thai"},
    {15, 285913, u"Iso 8859-13 Baltic Rim"},
    {16, 285914, u"Iso 8859-14 Celtic"},
    {17, 285915, u"Iso 8859-15 Revised 8858-1"},
    {18, 285916, u"Iso 8859-16 South-Eastern European"},
    {27, 20127, u"Iso 646 (ASCII)"},
    {899, 30, u"Binary"},
    {25, 1201, u"Unicode UTF16BE"},
    {2, 437, u"CP437"},
    {0, 437, u"CP437 PDF-GLI0 (legacy)"},
    {1, 28591, u"Iso 8859-1 PDF-GLI1 (legacy)"},
    {-1, 0, u"Symbology default"},
};

constexpr std::size_t kRowCount = std::size(kRows) - 1;
constexpr const EciEntry& kEndRow = kRows[kRowCount];

}  // namespace

std::span<const EciEntry> EciTable() {
    return kRows;
}

EciLookup FindEciByName(std::u16string_view name) {
    for (std::size_t i = 0; i < kRowCount; ++i) {
        if (EqualsIgnoringCase(kRows[i].name, name)) return {kRows[i].codePage, kRows[i].eci};
    }
    return {kEndRow.codePage, kEndRow.eci};
}

std::u16string_view EciName(std::int32_t eci) {
    for (std::size_t i = 0; i < kRowCount; ++i) {
        if (kRows[i].eci == eci) return kRows[i].name;
    }
    return kEndRow.name;
}

std::int32_t EciForCodepage(std::uint32_t codePage) {
    for (std::size_t i = 0; i < kRowCount; ++i) {
        if (kRows[i].codePage == codePage) return kRows[i].eci;
    }
    return -1;
}

ComboChoice FillEciCombo(std::u16string_view selectedName, bool sorted) {
    std::vector<std::u16string> items;
    for (const EciEntry& e : kRows) items.emplace_back(e.name);
    return MakeComboChoice(std::move(items), selectedName, kEndRow.name, sorted);
}

MessageBytes AztecEciPrefix(std::int32_t eci) {
    if (eci < 0 || eci > 999999) return {};
    // The digit count tells the encoder how many digits follow; it must be the real count
    // or a number of 1000 and more leaks its last digits into the message.
    const std::string digits = std::to_string(eci);
    MessageBytes prefix = "\x1b";
    prefix += static_cast<char>('0' + digits.size());
    prefix += digits;
    return prefix;
}

}  // namespace tsy
