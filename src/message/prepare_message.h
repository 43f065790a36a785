// From the document's markup to the bytes an encoder receives.
#pragma once

#include <cstdint>
#include <string_view>

#include "message/markup.h"
#include "message/message_bytes.h"

namespace tsy {

struct PreparedMessage {
    MessageBytes bytes;
    bool accurate = true;  // the bytes translate back to exactly the parsed text
};

// Parses the markup (raw control characters skipped) and translates it. codepage must already
// be resolved: 0 is the caller's symbology default, not handled here.
PreparedMessage PrepareMessage(std::u16string_view markup, MarkupStyle style, int codepage);

// The same for text that is already parsed.
PreparedMessage TranslateToCodepage(std::u16string_view text, int codepage);

}  // namespace tsy
