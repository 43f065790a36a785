#include "document/archive_fields.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/type_sections.h"

namespace tsy {

void StoreTypeSection(CArchive& ar, const CCode39Doc& doc) {
    WriteInt32Flag(ar, doc.m_CheckCharacter != 0);
    WriteInt32Flag(ar, doc.m_MenuCode != 0);
}

void LoadTypeSection(CArchive& ar, CCode39Doc& doc) {
    doc.m_CheckCharacter = ReadInt32Flag(ar) ? 1 : 0;
    doc.m_MenuCode = ReadInt32Flag(ar) ? 1 : 0;
}

}  // namespace tsy
