// The seven document types, in the order start-up registers them.
#pragma once

namespace tsy {

enum class DocumentKind { Aztec, Ziggur, PDF417, QR, Code128, Code39, AztecAnimated };

}  // namespace tsy
