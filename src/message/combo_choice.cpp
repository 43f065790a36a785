#include "message/combo_choice.h"
#include "platform/ascii_case.h"

#include <algorithm>

namespace tsy {
namespace {

bool LessIgnoringCase(const std::u16string& a, const std::u16string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return AsciiLower(x) < AsciiLower(y); });
}

}  // namespace

int FindComboPrefix(const std::vector<std::u16string>& items, std::u16string_view prefix) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::u16string_view item = items[i];
        if (item.size() >= prefix.size() &&
            EqualsIgnoringCase(item.substr(0, prefix.size()), prefix)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void SortComboItems(std::vector<std::u16string>& items) {
    std::stable_sort(items.begin(), items.end(), LessIgnoringCase);
}

ComboChoice MakeComboChoice(std::vector<std::u16string> items, std::u16string_view selected,
                            std::u16string_view fallback, bool sorted) {
    ComboChoice choice;
    choice.items = std::move(items);
    if (sorted) SortComboItems(choice.items);
    choice.selectedName = selected.empty() ? std::u16string(fallback) : std::u16string(selected);
    choice.selectedIndex = FindComboPrefix(choice.items, choice.selectedName);
    return choice;
}

}  // namespace tsy
