// "Symbol Information...": the property sheet over an existing document, undone on cancel.
#pragma once

namespace tsy {

class CEncoderDoc;
class SheetRunner;

// Snapshots doc (without its picture) into an in-memory archive and runs the sheet. Confirmed:
// *modified is set and the result is true. Cancelled: every field is restored from the snapshot
// and the result is that of the rebuild.
bool EditSymbol(CEncoderDoc& doc, SheetRunner& runner, bool* modified = nullptr);

}  // namespace tsy
