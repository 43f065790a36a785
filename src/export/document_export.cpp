#include "export/document_export.h"

#include "document/encoder_doc.h"
#include "export/export_source.h"
#include "message/codepage_table.h"

namespace tsy {

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
    return ExportToFile(source, path, message);
}

}  // namespace tsy
