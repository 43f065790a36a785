#include "platform/profile.h"

#include <glib.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <memory>
#include <system_error>

#include "platform/safe_file.h"
#include "platform/utf8_text.h"

namespace tsy {

namespace {

struct KeyFileFree {
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
};
using KeyFile = std::unique_ptr<GKeyFile, KeyFileFree>;

std::filesystem::path HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/tmp";
}

// A missing, unreadable or damaged file reads as an empty profile.
KeyFile Load() {
    KeyFile file(g_key_file_new());
    const std::string path = ProfilePath().string();
    if (!g_key_file_load_from_file(file.get(), path.c_str(), G_KEY_FILE_KEEP_COMMENTS, nullptr)) {
        file.reset(g_key_file_new());
    }
    return file;
}

bool Save(GKeyFile* file) {
    const std::filesystem::path path = ProfilePath();
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) return false;
    gsize length = 0;
    gchar* data = g_key_file_to_data(file, &length, nullptr);
    if (data == nullptr) return false;
    const bool saved = SaveBytesSafely(path, std::string_view(data, length), nullptr);
    g_free(data);
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
bool Lookup(GKeyFile* file, std::u16string_view section, std::u16string_view entry,
            std::string* value) {
    const std::string group = Utf16ToUtf8Text(section);
    const std::string key = Utf16ToUtf8Text(entry);
    if (!ValidName(group) || !ValidName(key)) return false;
    gchar* text = g_key_file_get_string(file, group.c_str(), key.c_str(), nullptr);
    if (text == nullptr) return false;
    *value = text;
    g_free(text);
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
    std::filesystem::path base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // Relative values are to be ignored, as the XDG base directory rules say.
    if (config != nullptr && *config == '/') {
        base = config;
    } else {
        base = HomeDirectory() / ".config";
    }
    return base / "Corvanta" / "Tessaly.conf";
}

std::u16string GetProfileString(std::u16string_view section, std::u16string_view entry,
                                std::u16string_view def) {
    std::string value;
    if (!Lookup(Load().get(), section, entry, &value)) return std::u16string(def);
    return Utf8ToUtf16Text(value);
}

int GetProfileInt(std::u16string_view section, std::u16string_view entry, int def) {
    std::string text;
    int value = 0;
    if (!Lookup(Load().get(), section, entry, &text) || !ParseInt(text, &value)) return def;
    return value;
}

bool WriteProfileString(std::u16string_view section, std::u16string_view entry,
                        std::u16string_view value) {
    const std::string group = Utf16ToUtf8Text(section);
    const std::string key = Utf16ToUtf8Text(entry);
    if (!ValidName(group) || !ValidName(key)) return false;
    const std::string text = Utf16ToUtf8Text(value);
    KeyFile file = Load();
    g_key_file_set_string(file.get(), group.c_str(), key.c_str(), text.c_str());
    return Save(file.get());
}

bool WriteProfileInt(std::u16string_view section, std::u16string_view entry, int value) {
    const std::string text = std::to_string(value);
    return WriteProfileString(section, entry, std::u16string(text.begin(), text.end()));
}

}  // namespace tsy
