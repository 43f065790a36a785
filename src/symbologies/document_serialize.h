// Saving and opening symbol documents: each type's section, the base section and (Code 128) the
// trailer, in a compound file with the type's class identifier or as a bare archive.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "document/archive.h"
#include "document/encoder_doc.h"

namespace tsy {

// Writes the whole document: type section, base section (with the picture), trailer.
void StoreDocument(CArchive& ar, const CEncoderDoc& doc);

// Reads the whole document into doc. Throws CArchiveException when the data ends before the
// version field or inside a type section; doc may then hold some of the fields read.
// Out-of-range values are corrected, not reported.
void LoadDocument(CArchive& ar, CEncoderDoc& doc);

// The archive bytes of doc, as the "Contents" stream holds them.
std::string StoreDocumentBytes(const CEncoderDoc& doc);
// Reads archive bytes into doc; false with "Unexpected file format." in *error on failure.
bool LoadDocumentBytes(std::string_view bytes, CEncoderDoc& doc, std::string* error);

// Saves doc as a compound file with its type's class identifier. The old file is replaced only
// when the new one was written completely.
bool SaveDocument(const CEncoderDoc& doc, const std::filesystem::path& path, std::string* error);

// Opens a document file: the type comes from the class identifier of a compound file, else from
// the extension of path. The picture is rebuilt from the loaded settings (a document whose
// symbol cannot be built opens without a picture). Null with the reason in *error on failure.
std::unique_ptr<CEncoderDoc> OpenDocument(const std::filesystem::path& path, std::string* error);

// Same for file bytes already in memory; extension (with or without its dot) picks the type
// when the bytes are not a compound file of a known type.
std::unique_ptr<CEncoderDoc> OpenDocumentBytes(std::string_view bytes,
                                               std::u16string_view extension, std::string* error);

}  // namespace tsy
