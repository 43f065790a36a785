#include "document/document_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "document/compound_file.h"
#include "platform/error_text.h"
#include "platform/safe_file.h"

namespace tsy {
namespace {

DocumentFileRead Failure(const char* text) {
    DocumentFileRead r;
    r.error = text;
    return r;
}

}  // namespace

bool WriteDocumentFile(const std::filesystem::path& path, const ClassId& classId,
                       std::string_view contents, std::string* error) {
    const std::optional<std::string> file = BuildCompoundFile(classId, contents);
    if (!file) {
        return Fail(error, kFailedToSaveDocument);
    }
    return SaveBytesSafely(path, *file, error);
}

DocumentFileRead ReadDocumentBytes(std::string_view bytes) {
    DocumentFileRead r;
    if (!HasCompoundFileSignature(bytes)) {
        r.ok = true;
        r.contents.assign(bytes);
        return r;
    }
    CompoundFileRead compound = ParseCompoundFile(bytes);
    // Without "Contents" the archive would be empty, which no document accepts.
    if (!compound.ok || !compound.foundContents) return Failure(kUnexpectedFileFormat);
    r.ok = true;
    r.compound = true;
    r.classId = compound.classId;
    r.contents = std::move(compound.contents);
    return r;
}

DocumentFileRead ReadDocumentFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return Failure(kFailedToOpenDocument);
    std::ifstream in(path, std::ios::binary);
    if (!in) return Failure(kFailedToOpenDocument);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Failure(kFailedToOpenDocument);
    return ReadDocumentBytes(bytes);
}

std::string StoreToArchive(const std::function<void(CArchive&)>& store) {
    CArchive ar = CArchive::ForStoring();
    store(ar);
    return ar.TakeBuffer();
}

bool LoadFromArchive(std::string_view bytes, const std::function<void(CArchive&)>& load,
                     std::string* error) {
    CArchive ar = CArchive::ForLoading(bytes);
    try {
        load(ar);
        return true;
    } catch (const CArchiveException&) {
        return Fail(error, kUnexpectedFileFormat);
    }
}

bool SaveDocumentFile(const std::filesystem::path& path, const ClassId& classId,
                      const std::function<void(CArchive&)>& store, std::string* error) {
    std::string contents;
    try {
        contents = StoreToArchive(store);
    } catch (const std::exception&) {
        return Fail(error, kFailedToSaveDocument);
    }
    return WriteDocumentFile(path, classId, contents, error);
}

bool LoadDocumentFile(const std::filesystem::path& path, const std::function<void(CArchive&)>& load,
                      std::string* error, ClassId* classId) {
    DocumentFileRead file = ReadDocumentFile(path);
    if (!file.ok) {
        return Fail(error, file.error);
    }
    if (classId) *classId = file.classId;
    return LoadFromArchive(file.contents, load, error);
}

}  // namespace tsy
