// Saving that never damages the old file: the new contents go to an unnamed temporary file in
// the target's folder, which gets the target's name only when it is complete. The old file's
// protection is kept: a target the user may not write is refused, the new file gets the old
// one's mode (and owner and group where allowed), a symlink's target is replaced and the link
// kept, and what is not a regular file (a FIFO, /dev/stdout) is written directly.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace tsy {

// How far a save goes to survive a power loss. Every save is atomic for readers and for a
// crash of this process; documents are also flushed to the disk before the rename, while
// exported pictures, which can be made again, skip that wait (it is most of a command-line
// run's time).
enum class Durability { Flushed, Atomic };

// One file on its way to replacing its target. Abandoned (nothing left behind, the target
// untouched) unless Commit succeeds.
class FileReplacement {
public:
    explicit FileReplacement(std::filesystem::path target) : target_(std::move(target)) {}
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Checks the target and opens the file to write; false with *error ("name: reason").
    bool Open(std::string* error);
    std::FILE* file() const { return file_; }
    // Flushes what was written (and syncs it for Durability::Flushed).
    bool Finish(Durability durability, std::string* error);
    // Gives the finished file the target's name.
    bool Commit(std::string* error);

private:
    bool Fail(int err, std::string* error) const;
    bool OpenTemporary(std::string* error);
    void Abandon();

    std::filesystem::path target_;  // as given, for messages
    std::filesystem::path path_;    // symlinks resolved
    std::filesystem::path named_;   // the temporary's name when it has one
    std::FILE* file_ = nullptr;
    bool direct_ = false;  // not a regular file: written in place
    bool exists_ = false;
    bool committed_ = false;
};

// write() fills the open temporary file; returning false aborts the save. On any failure the
// temporary file is removed, the target is untouched and *error holds the reason.
bool SaveFileSafely(const std::filesystem::path& target,
                    const std::function<bool(std::FILE*)>& write, std::string* error,
                    Durability durability = Durability::Flushed);

bool SaveBytesSafely(const std::filesystem::path& target, std::string_view bytes,
                     std::string* error, Durability durability = Durability::Flushed);

struct FileBytes {
    std::filesystem::path target;
    std::string_view bytes;
};

// Files that belong together: all are written completely before the first is renamed, then
// they are renamed in the given order. A failure before the renames leaves every old file.
bool SaveFilesTogether(std::span<const FileBytes> files, std::string* error,
                       Durability durability = Durability::Flushed);

}  // namespace tsy
