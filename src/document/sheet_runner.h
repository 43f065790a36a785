// The property sheet as the core sees it: the GUI creates the symbology's sheet for a document,
// runs it modally and destroys it again; the core keeps the edit algorithms.
#pragma once

namespace tsy {

class CEncoderDoc;

class SheetRunner {
public:
    virtual ~SheetRunner() = default;
    // Creates the sheet of doc's symbology (doc.Type()), runs it modally and destroys it.
    // Returns true when the user confirmed the sheet.
    virtual bool RunSheet(CEncoderDoc& doc) = 0;
};

}  // namespace tsy
