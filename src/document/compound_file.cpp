#include "document/compound_file.h"

#include <gsf/gsf.h>

#include <cstring>

#include "platform/lazy_library.h"

namespace tsy {
namespace {

// libgsf (with GObject, GIO and libxml2 behind it) is opened when a document file is read or
// written, not at every start of the program.
#define TSY_GSF_FUNCTIONS(X)          \
    X(gsf_init)                       \
    X(g_object_unref)                 \
    X(g_clear_error)                  \
    X(g_log_set_handler)              \
    X(g_utf8_casefold)                \
    X(g_free)                         \
    X(gsf_outfile_new_child)          \
    X(gsf_output_write)               \
    X(gsf_output_close)               \
    X(gsf_output_is_closed)           \
    X(gsf_output_size)                \
    X(gsf_output_memory_new)          \
    X(gsf_output_memory_get_bytes)    \
    X(gsf_outfile_msole_new)          \
    X(gsf_outfile_msole_set_class_id) \
    X(gsf_input_memory_new)           \
    X(gsf_input_size)                 \
    X(gsf_input_read)                 \
    X(gsf_infile_msole_new)           \
    X(gsf_infile_msole_get_class_id)  \
    X(gsf_infile_num_children)        \
    X(gsf_infile_name_by_index)       \
    X(gsf_infile_child_by_index)

struct GsfApi {
#define TSY_GSF_POINTER(name) decltype(&::name) name = nullptr;
    TSY_GSF_FUNCTIONS(TSY_GSF_POINTER)
#undef TSY_GSF_POINTER
    bool loaded = false;
};

void Quiet(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// libgsf describes a damaged file on stderr in its own words; the user is told once, by us.
void Silence(const GsfApi& api) {
    const auto levels =
        static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION);
    for (const char* domain : {"libgsf", "libgsf:msole", "libgsf:utils"})
        api.g_log_set_handler(domain, levels, Quiet, nullptr);
}

// Null when libgsf cannot be loaded; then no compound file can be read or written.
const GsfApi* Gsf() {
    static const GsfApi api = [] {
        static const LazyLibrary lib({"libgsf-1.so.114", "libgsf-1.so"});
        GsfApi a;
        bool all = lib.loaded();
#define TSY_GSF_BIND(name) all = lib.bind(a.name, #name) && all;
        TSY_GSF_FUNCTIONS(TSY_GSF_BIND)
#undef TSY_GSF_BIND
        if (all) {
            a.gsf_init();
            Silence(a);
        }
        a.loaded = all;
        return a;
    }();
    return api.loaded ? &api : nullptr;
}

constexpr unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::size_t kReadChunk = 64 * 1024;

template <class T>
struct GObjectPtr {
    T* p = nullptr;
    explicit GObjectPtr(T* q) : p(q) {}
    GObjectPtr(const GObjectPtr&) = delete;
    GObjectPtr& operator=(const GObjectPtr&) = delete;
    ~GObjectPtr() {
        if (p) Gsf()->g_object_unref(p);
    }
};

bool SameStreamName(const char* name, const char* wanted) {
    if (!name) return false;
    const GsfApi& gsf = *Gsf();
    gchar* a = gsf.g_utf8_casefold(name, -1);
    gchar* b = gsf.g_utf8_casefold(wanted, -1);
    const bool same = a && b && std::strcmp(a, b) == 0;
    gsf.g_free(a);
    gsf.g_free(b);
    return same;
}

bool WriteContents(const GsfApi& gsf, GsfOutfile* ole, std::string_view contents) {
    GObjectPtr<GsfOutput> stream(gsf.gsf_outfile_new_child(ole, kContentsStreamName, FALSE));
    if (!stream.p) return false;
    const bool written =
        contents.empty() || gsf.gsf_output_write(stream.p, contents.size(),
                                                 reinterpret_cast<const guint8*>(contents.data()));
    return gsf.gsf_output_close(stream.p) && written;
}

// Streams are read in chunks; the caller has checked the size against the file size.
bool ReadStream(const GsfApi& gsf, GsfInput* stream, std::string* out) {
    const gsf_off_t size = gsf.gsf_input_size(stream);
    out->resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < out->size()) {
        const std::size_t n = std::min(kReadChunk, out->size() - done);
        if (!gsf.gsf_input_read(stream, n, reinterpret_cast<guint8*>(out->data() + done)))
            return false;
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
    const GsfApi* gsf = Gsf();
    if (!gsf) return std::nullopt;
    GObjectPtr<GsfOutput> sink(gsf->gsf_output_memory_new());
    bool ok = false;
    {
        GObjectPtr<GsfOutfile> ole(gsf->gsf_outfile_msole_new(sink.p));
        if (!ole.p) return std::nullopt;
        // The GObject cast macros would pull in libgsf's type functions at link time; the
        // objects are what their constructors say they are.
        ok = gsf->gsf_outfile_msole_set_class_id(reinterpret_cast<GsfOutfileMSOle*>(ole.p),
                                                 classId.bytes.data());
        ok = WriteContents(*gsf, ole.p, contents) && ok;
        ok = gsf->gsf_output_close(reinterpret_cast<GsfOutput*>(ole.p)) && ok;
    }
    if (!gsf->gsf_output_is_closed(sink.p)) ok = gsf->gsf_output_close(sink.p) && ok;
    if (!ok) return std::nullopt;
    const guint8* bytes =
        gsf->gsf_output_memory_get_bytes(reinterpret_cast<GsfOutputMemory*>(sink.p));
    const gsf_off_t size = gsf->gsf_output_size(sink.p);
    if (!bytes || size <= 0) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
}

CompoundFileRead ParseCompoundFile(std::string_view bytes) {
    CompoundFileRead result;
    if (!HasCompoundFileSignature(bytes)) return result;
    const GsfApi* gsf = Gsf();
    if (!gsf) return result;
    GObjectPtr<GsfInput> input(
        gsf->gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                  static_cast<gsf_off_t>(bytes.size()), FALSE));
    GError* err = nullptr;
    GObjectPtr<GsfInfile> ole(gsf->gsf_infile_msole_new(input.p, &err));
    // The error comes from libgsf's GLib, which may not be the one this program is linked with.
    gsf->g_clear_error(&err);
    if (!ole.p) return result;
    result.ok = true;
    gsf->gsf_infile_msole_get_class_id(reinterpret_cast<GsfInfileMSOle*>(ole.p),
                                       result.classId.bytes.data());
    const int children = gsf->gsf_infile_num_children(ole.p);
    for (int i = 0; i < children; ++i) {
        if (!SameStreamName(gsf->gsf_infile_name_by_index(ole.p, i), kContentsStreamName)) continue;
        GObjectPtr<GsfInput> stream(gsf->gsf_infile_child_by_index(ole.p, i));
        // A storage of that name is not the stream.
        if (!stream.p || gsf->gsf_infile_num_children(reinterpret_cast<GsfInfile*>(stream.p)) >= 0)
            continue;
        const gsf_off_t size = gsf->gsf_input_size(stream.p);
        if (size < 0 || static_cast<uint64_t>(size) > bytes.size() ||
            !ReadStream(*gsf, stream.p, &result.contents)) {
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
