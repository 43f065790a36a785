// The selection logic of a name combo box, apart from the widget.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tsy {

struct ComboChoice {
    std::vector<std::u16string> items;  // in the order the box shows them
    std::u16string selectedName;        // the caller's name, defaulted when it was empty
    int selectedIndex = -1;             // first item beginning with selectedName; -1 if none
};

// Index of the first item that begins with prefix, ignoring ASCII case; -1 when none.
int FindComboPrefix(const std::vector<std::u16string>& items, std::u16string_view prefix);

// Sorts items the way a sorted combo box does (ignoring ASCII case).
void SortComboItems(std::vector<std::u16string>& items);

// Fills a ComboChoice: items (sorted when asked), selectedName = selected or fallback when
// empty, selectedIndex by prefix.
ComboChoice MakeComboChoice(std::vector<std::u16string> items, std::u16string_view selected,
                            std::u16string_view fallback, bool sorted);

}  // namespace tsy
