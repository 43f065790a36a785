// The application profile: the registry key Software\Corvanta\Tessaly kept as the INI file
// $XDG_CONFIG_HOME/Corvanta/Tessaly.conf (~/.config when unset), with the registry's section
// and value names. A missing or unreadable file reads as defaults; writes replace the file
// atomically. The parsed file is kept while its identity (inode, size, modification time)
// stays the same, so a change by another process is seen at the next call.
#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

typedef struct _GKeyFile GKeyFile;

namespace tsy {

std::filesystem::path ProfilePath();

// The stored text, or def when the file, section or value is missing or unreadable.
std::u16string GetProfileString(std::u16string_view section, std::u16string_view entry,
                                std::u16string_view def = {});

// The stored value when it is a whole decimal number that fits in an int, else def.
int GetProfileInt(std::u16string_view section, std::u16string_view entry, int def);

// Several values of one section from one look at the file; writes wait until it is gone.
class ProfileSection {
public:
    explicit ProfileSection(std::u16string_view section);
    ~ProfileSection();
    ProfileSection(const ProfileSection&) = delete;
    ProfileSection& operator=(const ProfileSection&) = delete;

    std::u16string GetString(std::u16string_view entry, std::u16string_view def = {}) const;
    int GetInt(std::u16string_view entry, int def) const;

private:
    std::unique_lock<std::mutex> hold_;
    GKeyFile* file_;
    std::string group_;
};

// Return false when the file cannot be written (the old file is then left as it was). A file
// that cannot be parsed is replaced by one holding just the new value.
bool WriteProfileString(std::u16string_view section, std::u16string_view entry,
                        std::u16string_view value);
bool WriteProfileInt(std::u16string_view section, std::u16string_view entry, int value);

}  // namespace tsy
