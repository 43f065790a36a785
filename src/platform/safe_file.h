// Saving that never damages the old file: write a temporary file in the same folder, flush it,
// then rename it over the target.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tsy {

// How far a save goes to survive a power loss. Every save is atomic for readers and for a
// crash of this process; documents are also flushed to the disk before the rename, while
// exported pictures, which can be made again, skip that wait (it is most of a command-line
// run's time).
enum class Durability { Flushed, Atomic };

// write() fills the open temporary file; returning false aborts the save. On any failure the
// temporary file is removed, the target is untouched and *error holds the reason.
bool SaveFileSafely(const std::filesystem::path& target,
                    const std::function<bool(std::FILE*)>& write, std::string* error,
                    Durability durability = Durability::Flushed);

bool SaveBytesSafely(const std::filesystem::path& target, std::string_view bytes,
                     std::string* error, Durability durability = Durability::Flushed);

}  // namespace tsy
