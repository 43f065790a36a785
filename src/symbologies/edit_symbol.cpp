#include "symbologies/edit_symbol.h"

#include <memory>
#include <string>

#include "document/encoder_doc.h"

#include "document/sheet_runner.h"
#include "symbologies/document_serialize.h"

namespace tsy {

bool EditSymbol(CEncoderDoc& doc, SheetRunner& runner, bool* modified) {
    if (modified) *modified = false;
    // The snapshot need not carry the picture: a cancel rebuilds it.
    doc.m_Picture.Clear();
    const std::string snapshot = StoreDocumentBytes(doc);
    // What the file leaves out is kept in a second document of the type.
    std::unique_ptr<CEncoderDoc> unsaved = doc.Type().create ? doc.Type().create() : nullptr;
    if (unsaved) unsaved->CopyUnsavedSettings(doc);
    if (runner.RunSheet(doc)) {
        if (modified) *modified = true;
        return true;
    }
    std::string error;
    LoadDocumentBytes(snapshot, doc, &error);  // our own bytes: cannot fall short
    if (unsaved) doc.CopyUnsavedSettings(*unsaved);
    return doc.BuildSymbol();
}

}  // namespace tsy
