// The base section every document writes after its own fields: message, caption, sizes, the
// picture, then the version and what later versions added (code page and ECI from 200, markup
// style, enter mode and caption font from 300).
#pragma once

#include <string>

namespace tsy {

class CArchive;
class CEncoderDoc;

void StoreEncoderDocBase(CArchive& ar, const CEncoderDoc& doc);

// Reads the base section into doc, correcting out-of-range values as it goes. Data ending
// before the version throws (the caller reports "Unexpected file format."); data ending after
// it leaves the reset values. Returns false when the stored picture was too large to make:
// the rest of the section is then left unread and those fields keep their old values.
bool LoadEncoderDocBase(CArchive& ar, CEncoderDoc& doc);

// The caption font as the file keeps it, without the size correction touching the document.
std::u16string StoredFontDescription(const CEncoderDoc& doc);

}  // namespace tsy
