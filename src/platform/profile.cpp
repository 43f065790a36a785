#include "platform/profile.h"

#include <glib.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <memory>
#include <mutex>
#include <system_error>

#include "platform/lazy_library.h"
#include "platform/safe_file.h"
#include "platform/utf8_text.h"

namespace tsy {

namespace {

// GLib is opened when a profile file exists or is written: most producer runs have none, and
// loading and relocating GLib at every start cost them more than their symbol did.
#define TSY_GLIB_FUNCTIONS(X)    \
    X(g_key_file_new)            \
    X(g_key_file_free)           \
    X(g_key_file_load_from_file) \
    X(g_key_file_get_string)     \
    X(g_key_file_set_string)     \
    X(g_key_file_to_data)        \
    X(g_free)

struct GlibApi {
#define TSY_GLIB_POINTER(name) decltype(&::name) name = nullptr;
    TSY_GLIB_FUNCTIONS(TSY_GLIB_POINTER)
#undef TSY_GLIB_POINTER
    bool loaded = false;
};

// Null when GLib cannot be loaded; the profile then reads as defaults and cannot be written.
const GlibApi* Glib() {
    static const GlibApi api = [] {
        static const LazyLibrary lib({"libglib-2.0.so.0", "libglib-2.0.so"});
        GlibApi a;
        bool all = lib.loaded();
#define TSY_GLIB_BIND(name) all = lib.bind(a.name, #name) && all;
        TSY_GLIB_FUNCTIONS(TSY_GLIB_BIND)
#undef TSY_GLIB_BIND
        a.loaded = all;
        return a;
    }();
    return api.loaded ? &api : nullptr;
}

struct KeyFileFree {
    void operator()(GKeyFile* file) const { Glib()->g_key_file_free(file); }
};
using KeyFile = std::unique_ptr<GKeyFile, KeyFileFree>;

// As path's operator/ joins a relative name, without parsing the path at every call.
void AppendComponent(std::string& path, std::string_view name) {
    if (!path.empty() && path.back() != '/') path += '/';
    path += name;
}

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/tmp";
}

std::string ProfilePathText() {
    std::string path;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // Relative values are to be ignored, as the XDG base directory rules say.
    if (config != nullptr && *config == '/') {
        path = config;
    } else {
        path = HomeDirectory();
        AppendComponent(path, ".config");
    }
    AppendComponent(path, "Corvanta");
    AppendComponent(path, "Tessaly.conf");
    return path;
}

// A missing, unreadable or damaged file reads as an empty profile. Null only when GLib is
// missing.
KeyFile Load() {
    const GlibApi* glib = Glib();
    if (!glib) return nullptr;
    KeyFile file(glib->g_key_file_new());
    const std::string path = ProfilePathText();
    if (!glib->g_key_file_load_from_file(file.get(), path.c_str(), G_KEY_FILE_KEEP_COMMENTS,
                                         nullptr)) {
        file.reset(glib->g_key_file_new());
    }
    return file;
}

// What identifies one version of the file; a missing file is a version of its own.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileIdentity& o) const {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileIdentity Identify(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return {};
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

// The parsed file, kept while the file stays the same: a document reads five values at every
// start, and a batch build starts many documents. A missing file needs no parsing at all.
struct ProfileCache {
    std::mutex lock;
    std::string path;
    FileIdentity identity;
    KeyFile file;
    bool valid = false;
};

ProfileCache& Cache() {
    static ProfileCache cache;
    return cache;
}

// Null for a missing file (or a missing GLib): every value then takes its default. The
// caller holds the cache's lock.
GKeyFile* Current() {
    ProfileCache& cache = Cache();
    std::string path = ProfilePathText();
    const FileIdentity identity = Identify(path);
    if (!cache.valid || cache.path != path || !(cache.identity == identity)) {
        cache.file = identity.exists ? Load() : nullptr;
        cache.path = std::move(path);
        cache.identity = identity;
        cache.valid = true;
    }
    return cache.file.get();
}

bool Save(GKeyFile* file) {
    const GlibApi* glib = Glib();
    const std::filesystem::path path = ProfilePath();
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) return false;
    gsize length = 0;
    gchar* data = glib->g_key_file_to_data(file, &length, nullptr);
    if (data == nullptr) return false;
    const bool saved = SaveBytesSafely(path, std::string_view(data, length), nullptr);
    glib->g_free(data);
    const std::lock_guard<std::mutex> hold(Cache().lock);
    Cache().valid = false;
    return saved;
}

// Names GKeyFile would refuse (it only logs and drops the value) are refused here instead.
bool ValidName(const std::string& name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == '[' || c == ']' || c == '=') return false;
    }
    return true;
}

// The stored value as UTF-8, unescaped; false when absent.
bool Lookup(GKeyFile* file, const std::string& group, std::u16string_view entry,
            std::string* value) {
    if (file == nullptr || !ValidName(group)) return false;
    const std::string key = Utf16ToUtf8Text(entry);
    if (!ValidName(key)) return false;
    gchar* text = Glib()->g_key_file_get_string(file, group.c_str(), key.c_str(), nullptr);
    if (text == nullptr) return false;
    *value = text;
    Glib()->g_free(text);
    return true;
}

bool ParseInt(const std::string& text, int* value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0') return false;
    if (parsed < std::numeric_limits<int>::min() || parsed > std::numeric_limits<int>::max()) {
        return false;
    }
    *value = static_cast<int>(parsed);
    return true;
}

}  // namespace

std::filesystem::path ProfilePath() {
    return ProfilePathText();
}

ProfileSection::ProfileSection(std::u16string_view section)
    : hold_(Cache().lock), file_(Current()) {
    if (file_ != nullptr) group_ = Utf16ToUtf8Text(section);
}

ProfileSection::~ProfileSection() = default;

std::u16string ProfileSection::GetString(std::u16string_view entry, std::u16string_view def) const {
    std::string value;
    if (!Lookup(file_, group_, entry, &value)) return std::u16string(def);
    return Utf8ToUtf16Text(value);
}

int ProfileSection::GetInt(std::u16string_view entry, int def) const {
    std::string text;
    int value = 0;
    if (!Lookup(file_, group_, entry, &text) || !ParseInt(text, &value)) return def;
    return value;
}

std::u16string GetProfileString(std::u16string_view section, std::u16string_view entry,
                                std::u16string_view def) {
    return ProfileSection(section).GetString(entry, def);
}

int GetProfileInt(std::u16string_view section, std::u16string_view entry, int def) {
    return ProfileSection(section).GetInt(entry, def);
}

bool WriteProfileString(std::u16string_view section, std::u16string_view entry,
                        std::u16string_view value) {
    const std::string group = Utf16ToUtf8Text(section);
    const std::string key = Utf16ToUtf8Text(entry);
    if (!ValidName(group) || !ValidName(key)) return false;
    const std::string text = Utf16ToUtf8Text(value);
    KeyFile file = Load();
    if (!file) return false;
    Glib()->g_key_file_set_string(file.get(), group.c_str(), key.c_str(), text.c_str());
    return Save(file.get());
}

bool WriteProfileInt(std::u16string_view section, std::u16string_view entry, int value) {
    const std::string text = std::to_string(value);
    return WriteProfileString(section, entry, std::u16string(text.begin(), text.end()));
}

}  // namespace tsy
