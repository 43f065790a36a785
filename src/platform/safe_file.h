// Saving that never damages the old file: write a temporary file in the same folder, flush it,
// then rename it over the target.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tsy {

// write() fills the open temporary file; returning false aborts the save. On any failure the
// temporary file is removed, the target is untouched and *error holds the reason.
bool SaveFileSafely(const std::filesystem::path& target,
                    const std::function<bool(std::FILE*)>& write, std::string* error);

bool SaveBytesSafely(const std::filesystem::path& target, std::string_view bytes,
                     std::string* error);

}  // namespace tsy
