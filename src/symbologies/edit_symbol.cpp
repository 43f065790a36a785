#include "symbologies/edit_symbol.h"

#include <string>

#include "document/sheet_runner.h"
#include "symbologies/document_serialize.h"

namespace tsy {

bool EditSymbol(CEncoderDoc& doc, SheetRunner& runner, bool* modified) {
    if (modified) *modified = false;
    // The snapshot need not carry the picture: a cancel rebuilds it.
    doc.m_Picture.Clear();
    const std::string snapshot = StoreDocumentBytes(doc);
    if (runner.RunSheet(doc)) {
        if (modified) *modified = true;
        return true;
    }
    std::string error;
    LoadDocumentBytes(snapshot, doc, &error);  // our own bytes: cannot fall short
    return doc.BuildSymbol();
}

}  // namespace tsy
