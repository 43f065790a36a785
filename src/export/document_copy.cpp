#include "export/document_copy.h"

#include <string>

#include "document/encoder_doc.h"
#include "symbologies/document_serialize.h"

namespace tsy {

std::unique_ptr<CEncoderDoc> CopyDocument(const CEncoderDoc& doc) {
    if (!doc.Type().create) return nullptr;
    std::unique_ptr<CEncoderDoc> copy = doc.Type().create();
    std::string error;
    if (!copy || !LoadDocumentBytes(StoreDocumentBytes(doc), *copy, &error)) return nullptr;
    copy->CopyUnsavedSettings(doc);
    return copy;
}

}  // namespace tsy
