// Reading a message from the file named by /ifile.
#pragma once

#include <filesystem>
#include <string>

namespace tsy {

inline constexpr std::size_t kMaxMessageFileBytes = 4000;

struct MessageFileResult {
    bool ok = false;
    std::string bytes;  // at most kMaxMessageFileBytes
    std::string error;  // the user-visible text when !ok
};

// Reads at most one byte more than allowed, so pipes and devices whose size reads as 0 are
// limited as well as regular files.
MessageFileResult ReadMessageFile(const std::filesystem::path& path);

}  // namespace tsy
