#include "export/document_export.h"

#include "document/encoder_doc.h"
#include "export/document_copy.h"
#include "export/export_source.h"
#include "export/image_formats.h"
#include "export/vector_picture.h"
#include "export/vector_writers.h"
#include "message/codepage_table.h"

namespace tsy {
namespace {

// At 1000 dots per inch a pixel is a mil: every size of the symbol comes out exactly as given.
constexpr int kVectorDpi = 1000;

// The document rebuilt where its pixels are mils; its own build when it cannot be copied or
// built so (an animated sequence keeps its settings and temporary file to itself).
VectorPicture VectorPictureOf(const CEncoderDoc& doc) {
    const bool inMils = doc.ResolutionX() == kVectorDpi && doc.ResolutionY() == kVectorDpi;
    if (!inMils && doc.Kind() != DocumentKind::AztecAnimated) {
        if (std::unique_ptr<CEncoderDoc> copy = CopyDocument(doc)) {
            copy->SetResolution(kVectorDpi);
            if (copy->BuildSymbol()) return DocumentVectorPicture(*copy);
        }
    }
    return DocumentVectorPicture(doc);
}

}  // namespace

bool ExportDocumentToFile(const CEncoderDoc& doc, const std::filesystem::path& path,
                          std::string* message) {
    ExportSource source;
    source.mono = doc.m_Picture.MonoPicture();
    if (!source.mono && doc.m_Picture.HasPicture()) source.picture = &doc.m_Picture.Picture();
    source.messageBytes = doc.m_MessageBytes;
    source.caption = doc.m_Caption;
    source.codepage = doc.m_Codepage;
    source.codepageName = std::u16string(CodepageName(static_cast<uint32_t>(doc.m_Codepage)));
    source.useEci = doc.m_UseEci != 0;
    source.eci = doc.m_Eci;
    source.horizontalScale = doc.HorizontalScale();
    source.dpiX = doc.ResolutionX();
    VectorPicture vector;
    if (doc.m_Picture.HasPicture() && FindVectorFormat(LowerExtension(path))) {
        vector = VectorPictureOf(doc);
        if (!vector.empty()) source.vector = &vector;
    }
    return ExportToFile(source, path, message);
}

bool ExportDocumentToFile(const CEncoderDoc& doc, const std::filesystem::path& path, int dpi,
                          std::string* message) {
    if (dpi <= 0 || (dpi == doc.ResolutionX() && dpi == doc.ResolutionY()))
        return ExportDocumentToFile(doc, path, message);
    std::unique_ptr<CEncoderDoc> copy = CopyDocument(doc);
    if (!copy) {
        if (message) *message = path.string() + ": the document cannot be copied to rebuild it.";
        return false;
    }
    copy->SetResolution(dpi);
    if (!copy->BuildSymbol()) {
        if (message) *message = "The symbol could not be built at " + std::to_string(dpi) + " dpi.";
        return false;
    }
    return ExportDocumentToFile(*copy, path, message);
}

}  // namespace tsy
