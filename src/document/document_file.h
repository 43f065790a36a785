// Document files: a compound file with the type's class identifier and one stream "Contents"
// holding the archive; older flat files are the bare archive.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "document/archive.h"
#include "document/class_id.h"

namespace tsy {

struct DocumentFileRead {
    bool ok = false;
    bool compound = false;  // false: the whole file was taken as a flat archive
    std::string contents;   // the archive bytes
    ClassId classId;        // null for a flat file
    std::string error;      // kFailedToOpenDocument or kUnexpectedFileFormat when !ok
};

// Builds the compound file in memory, then replaces path only after it was written and flushed,
// so a failed save leaves the old file as it was.
bool WriteDocumentFile(const std::filesystem::path& path, const ClassId& classId,
                       std::string_view contents, std::string* error);

DocumentFileRead ReadDocumentFile(const std::filesystem::path& path);
// Same on bytes already in memory (an embedding's storage, tests, fuzzing).
DocumentFileRead ReadDocumentBytes(std::string_view bytes);

// Runs store on a fresh storing archive and returns its bytes.
std::string StoreToArchive(const std::function<void(CArchive&)>& store);

// Runs load on a loading archive over bytes; an archive failure becomes false with
// kUnexpectedFileFormat in *error.
bool LoadFromArchive(std::string_view bytes, const std::function<void(CArchive&)>& load,
                     std::string* error);

// The two steps together, for a document's Save and Open. A store that throws is a failed save
// (kFailedToSaveDocument) and leaves the old file as it was.
bool SaveDocumentFile(const std::filesystem::path& path, const ClassId& classId,
                      const std::function<void(CArchive&)>& store, std::string* error);
bool LoadDocumentFile(const std::filesystem::path& path, const std::function<void(CArchive&)>& load,
                      std::string* error, ClassId* classId = nullptr);

}  // namespace tsy
