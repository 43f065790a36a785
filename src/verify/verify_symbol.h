// Reading a built symbol back with a real reader, so that a symbol which would not scan is
// caught on the screen, in the batch log or by the producer's exit status, not at the till.
#pragma once

#include <string>
#include <string_view>

#include "document/encoder_doc.h"

namespace tsy {

enum class SymbolCheck {
    Verified,     // the reader read the symbol back to exactly the bytes the encoder got
    NotReadable,  // the reader knows the symbology but did not read these bytes back
    NotChecked,   // no picture built, or a symbol the reader does not know
};

// "Verified", "Not readable", "Not checked".
std::u16string_view SymbolCheckText(SymbolCheck check);

struct SymbolVerdict {
    SymbolCheck check = SymbolCheck::NotChecked;
    std::string reason;  // why it is not Verified, for messages and logs; empty when it is
};

// Reads the document's last build back. Never Verified unless the reader returned the very bytes
// the encoder was given.
SymbolVerdict VerifySymbol(const CEncoderDoc& doc);
// The same for a build other than the document's own (a copy of it, altered).
SymbolVerdict VerifySymbol(const CEncoderDoc& doc, const SymbolBuild& build);

}  // namespace tsy
