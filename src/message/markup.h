// Message markup: control characters written as readable sequences in three styles.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tsy {

// Saved with the document as ViewStyle.
enum class MarkupStyle : std::int32_t { Bracket = 0, C = 1, Binary = 2 };

// Saved with the document as CrLfStyle: what the Enter key inserts.
enum class EnterMode : std::int32_t { CrLf = 0, Cr = 1, Lf = 2 };

// True for U+0000-U+001F and U+007F-U+009F, the characters markup writes as mnemonics.
constexpr bool IsMarkupEligible(char16_t c) {
    return c <= 0x1F || (c >= 0x7F && c <= 0x9F);
}

// keepCrLf: CR and LF are copied as they are. lineBreaks: a real "\r\n" follows the markup of
// a line end. Both are ignored in Binary style.
std::u16string FormatMarkup(std::u16string_view text, MarkupStyle style, bool keepCrLf,
                            bool lineBreaks);

// skipRawControls: characters below U+0020 standing as themselves in the markup (typed line
// breaks, tabs) are dropped; no effect in Binary style.
std::u16string ParseMarkup(std::u16string_view markup, MarkupStyle style, bool skipRawControls);

// Formats imported text, keeping its line breaks as layout when it already carries line-end
// markup and turning them into markup otherwise.
std::u16string FormatImportedText(std::u16string_view text, MarkupStyle style);

// What the Enter key inserts in the message editor, real "\r\n" included. Empty in Binary
// style: there the editor keeps its default behaviour (a plain line break).
std::u16string EnterKeyText(MarkupStyle style, EnterMode mode);

}  // namespace tsy
