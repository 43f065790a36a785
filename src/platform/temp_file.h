// Files in a shared temporary folder, where anyone may have put a link under the name we write.
#pragma once

#include <filesystem>
#include <string_view>

namespace tsy {

// Writes bytes to a file of a fresh name (created exclusively, mode 0600) in the target's folder
// and renames it over the target: a link planted at the target is replaced, never followed. False
// (nothing left behind) when the file cannot be made or the target cannot be replaced.
bool ReplaceTemporaryFile(const std::filesystem::path& target, std::string_view bytes);

}  // namespace tsy
