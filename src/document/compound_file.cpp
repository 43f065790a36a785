#include "document/compound_file.h"

#include <gsf/gsf.h>

#include <cstring>
#include <mutex>

namespace tsy {
namespace {

constexpr unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::size_t kReadChunk = 64 * 1024;

void InitGsf() {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

template <class T>
struct GObjectPtr {
    T* p = nullptr;
    explicit GObjectPtr(T* q) : p(q) {}
    GObjectPtr(const GObjectPtr&) = delete;
    GObjectPtr& operator=(const GObjectPtr&) = delete;
    ~GObjectPtr() {
        if (p) g_object_unref(p);
    }
};

bool SameStreamName(const char* name, const char* wanted) {
    if (!name) return false;
    gchar* a = g_utf8_casefold(name, -1);
    gchar* b = g_utf8_casefold(wanted, -1);
    const bool same = a && b && std::strcmp(a, b) == 0;
    g_free(a);
    g_free(b);
    return same;
}

bool WriteContents(GsfOutfile* ole, std::string_view contents) {
    GObjectPtr<GsfOutput> stream(gsf_outfile_new_child(ole, kContentsStreamName, FALSE));
    if (!stream.p) return false;
    const bool written =
        contents.empty() || gsf_output_write(stream.p, contents.size(),
                                             reinterpret_cast<const guint8*>(contents.data()));
    return gsf_output_close(stream.p) && written;
}

// Streams are read in chunks; the caller has checked the size against the file size.
bool ReadStream(GsfInput* stream, std::string* out) {
    const gsf_off_t size = gsf_input_size(stream);
    out->resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < out->size()) {
        const std::size_t n = std::min(kReadChunk, out->size() - done);
        if (!gsf_input_read(stream, n, reinterpret_cast<guint8*>(out->data() + done))) return false;
        done += n;
    }
    return true;
}

}  // namespace

bool HasCompoundFileSignature(std::string_view bytes) {
    return bytes.size() >= sizeof kSignature &&
           std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

std::optional<std::string> BuildCompoundFile(const ClassId& classId, std::string_view contents) {
    InitGsf();
    GObjectPtr<GsfOutput> sink(gsf_output_memory_new());
    bool ok = false;
    {
        GObjectPtr<GsfOutfile> ole(gsf_outfile_msole_new(sink.p));
        if (!ole.p) return std::nullopt;
        ok = gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(ole.p), classId.bytes.data());
        ok = WriteContents(ole.p, contents) && ok;
        ok = gsf_output_close(GSF_OUTPUT(ole.p)) && ok;
    }
    if (!gsf_output_is_closed(sink.p)) ok = gsf_output_close(sink.p) && ok;
    if (!ok) return std::nullopt;
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.p));
    const gsf_off_t size = gsf_output_size(sink.p);
    if (!bytes || size <= 0) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
}

CompoundFileRead ParseCompoundFile(std::string_view bytes) {
    CompoundFileRead result;
    if (!HasCompoundFileSignature(bytes)) return result;
    InitGsf();
    GObjectPtr<GsfInput> input(gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                                    static_cast<gsf_off_t>(bytes.size()), FALSE));
    GError* err = nullptr;
    GObjectPtr<GsfInfile> ole(gsf_infile_msole_new(input.p, &err));
    g_clear_error(&err);
    if (!ole.p) return result;
    result.ok = true;
    gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(ole.p), result.classId.bytes.data());
    const int children = gsf_infile_num_children(ole.p);
    for (int i = 0; i < children; ++i) {
        if (!SameStreamName(gsf_infile_name_by_index(ole.p, i), kContentsStreamName)) continue;
        GObjectPtr<GsfInput> stream(gsf_infile_child_by_index(ole.p, i));
        // A storage of that name is not the stream.
        if (!stream.p || gsf_infile_num_children(GSF_INFILE(stream.p)) >= 0) continue;
        const gsf_off_t size = gsf_input_size(stream.p);
        if (size < 0 || static_cast<uint64_t>(size) > bytes.size() ||
            !ReadStream(stream.p, &result.contents)) {
            result.ok = false;
            result.contents.clear();
            return result;
        }
        result.foundContents = true;
        return result;
    }
    return result;
}

}  // namespace tsy
