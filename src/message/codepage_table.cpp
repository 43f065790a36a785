#include "message/codepage_table.h"
#include "platform/ascii_case.h"

#include <algorithm>

namespace tsy {
namespace {

constexpr std::uint32_t kAllClasses = CPF_NATIONAL7 | CPF_BYTE8 | CPF_WIDE16 | CPF_COMMON;

constexpr CodepageEntry kRows[] = {
    {CPF_BYTE8, 65001, u"UTF-8"},
    {CPF_BYTE8, 1250, u"CP1250 Eastern European"},
    {CPF_BYTE8, 1251, u"CP1251 Cyrillic"},
    {CPF_BYTE8, 1252, u"CP1252 Western"},
    {CPF_BYTE8, 1256, u"CP1256 Arabic"},
    {CPF_BYTE8, 28591, u"Iso 8859-1 Western European"},
    {CPF_BYTE8, 28592, u"Iso 8859-2 Central European"},
    {CPF_BYTE8, 28593, u"Iso 8859-3 South European"},
    {CPF_BYTE8, 28594, u"Iso 8859-4 North European"},
    {CPF_BYTE8, 28595, u"Iso 8859-5 Latin/Cyrillic"},
    {CPF_BYTE8, 28596, u"Iso 8859-6 Latin/Arabic"},
    {CPF_BYTE8, 28597, u"Iso 8859-7 Latin/Greek"},
    {CPF_BYTE8, 28598, u"Iso 8859-8 Latin/Hebrew"},
    {CPF_BYTE8, 28599, u"Iso 8859-9 Turkish"},
    {CPF_BYTE8, 285910, u"Iso 8859-10 Nordic"},
    {CPF_BYTE8, 285911, u"Iso 8859-11 Latin/Thai"},
    {CPF_BYTE8, 285913, u"Iso 8859-13 Baltic Rim"},
    {CPF_BYTE8, 285914, u"Iso 8859-14 Celtic"},
    {CPF_BYTE8, 285915, u"Iso 8859-15 Revised 8858-1"},
    {CPF_BYTE8, 285916, u"Iso 8859-16 South-Eastern European"},
    {CPF_BYTE8, CP_BINARY, u"Binary"},
    {CPF_WIDE16, CP_UTF16BE, u"Unicode UTF16BE"},
    {CPF_WIDE16, CP_UTF16BE, u"Iso 10646 BE"},
    {CPF_BYTE8, 437, u"CP437"},
    {kAllClasses, 20127, u"Iso 646 (ASCII)"},
    {kAllClasses, 80, u"Iso 646-IRV (ASCII Invariant)"},
    {CPF_NATIONAL7, 86, u"Iso 646-CH Swiss"},
    {CPF_NATIONAL7, 88, u"Iso 646-DK Danmark"},
    {CPF_NATIONAL7, 87, u"Iso IR04 UK"},
    {CPF_NATIONAL7, 82, u"Iso IR11 Sweden"},
    {CPF_NATIONAL7, 85, u"Iso IR15 Italy"},
    {CPF_NATIONAL7, 84, u"Iso IR21 Germany"},
    {CPF_NATIONAL7, 94, u"Iso IR60 Norway"},
    {CPF_NATIONAL7, 83, u"Iso IR69 France"},
    {CPF_NATIONAL7, 93, u"Iso IR84 Portugal"},
    {CPF_NATIONAL7, 91, u"Iso IR85 Spain"},
    {CPF_NATIONAL7, 92, u"Iso IR16 Portugal (Olivetti)"},
    {CPF_NATIONAL7, 90, u"Iso IR17 Spain (Olivetti)"},
    {CPF_NATIONAL7, 81, u"Iso IR25 France (withdrawn)"},
    {CPF_NATIONAL7, 89, u"Iso IR61 Norway (withdrawn)"},
    {0, 0, u"not_supported"},
};

constexpr std::size_t kRowCount = std::size(kRows) - 1;  // without the end row

std::span<const CodepageEntry> Rows() {
    return std::span(kRows, kRowCount);
}

void ReplaceAll(std::u16string& s, std::u16string_view from, std::u16string_view to) {
    for (std::size_t pos = s.find(from); pos != std::u16string::npos;
         pos = s.find(from, pos + to.size())) {
        s.replace(pos, from.size(), to);
    }
}

}  // namespace

std::span<const CodepageEntry> CodepageTable() {
    return kRows;
}

std::u16string NormalizeCodepageName(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& c : key) {
        c = AsciiLower(c);
        if (c == u'-' || c == u'_' || c == u'.') c = u' ';
    }
    ReplaceAll(key, u"iso ", u"iso");
    ReplaceAll(key, u"cp ", u"cp");
    ReplaceAll(key, u"utf ", u"utf");
    return key;
}

CodepageLookup FindCodepageByName(std::u16string_view name, std::uint32_t classMask) {
    const std::u16string key = NormalizeCodepageName(name);
    for (const CodepageEntry& e : Rows()) {
        if (InCodepageClass(e, classMask) &&
            NormalizeCodepageName(e.name).find(key) != std::u16string::npos) {
            return {e.codePage, true};
        }
    }
    return {};
}

CodepageLookup FindCodepageExact(std::u16string_view name) {
    for (const CodepageEntry& e : Rows()) {
        if (EqualsIgnoringCase(e.name, name)) return {e.codePage, true};
    }
    return {};
}

std::u16string_view CodepageName(std::uint32_t codePage) {
    for (const CodepageEntry& e : Rows()) {
        if (e.codePage == codePage) return e.name;
    }
    return kRows[kRowCount].name;
}

std::u16string ListCodepages(std::uint32_t classMask) {
    std::u16string out;
    for (const CodepageEntry& e : Rows()) {
        if (!InCodepageClass(e, classMask)) continue;
        std::u16string name(e.name);
        std::replace(name.begin(), name.end(), u' ', u'_');
        out += name;
        out += u"\r\n";
    }
    return out;
}

ComboChoice FillCodepageCombo(std::u16string_view selectedName, bool sorted) {
    std::vector<std::u16string> items;
    for (const CodepageEntry& e : Rows()) {
        if (InCodepageClass(e, CP_CLASS_LINEAR)) items.emplace_back(e.name);
    }
    return MakeComboChoice(std::move(items), selectedName, CodepageName(CP_ASCII), sorted);
}

}  // namespace tsy
