#include "message/prepare_message.h"

#include "message/codepage_translator.h"

namespace tsy {

PreparedMessage PrepareMessage(std::u16string_view markup, MarkupStyle style, int codepage) {
    return TranslateToCodepage(ParseMarkup(markup, style, true), codepage);
}

PreparedMessage TranslateToCodepage(std::u16string_view text, int codepage) {
    const auto cp = static_cast<std::uint32_t>(codepage);
    ByteTranslation forward = ToBytes(text, cp);
    const TextTranslation back = ToText(forward.bytes, cp);
    PreparedMessage result;
    result.bytes = std::move(forward.bytes);
    // Whole counted strings: an embedded NUL must not hide what follows it.
    result.accurate = forward.lossless && back.ok && back.text == text;
    return result;
}

}  // namespace tsy
