// The list of a batch build: lines of markup read one at a time, so a list of any length is
// built without holding it, and the names its files get.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unordered_set>

#include "message/markup.h"

namespace tsy {

// Lines of markup, in order; empty lines are passed on (the engine skips them).
class BatchLines {
public:
    virtual ~BatchLines() = default;
    // False at the end of the list.
    virtual bool Next(std::u16string& line) = 0;
    // Back to the first line (the engine counts the list before it builds).
    virtual void Rewind() = 0;
};

// The page's batch text. A line ends at CR LF, CR or LF: text from the Qt editor or a Linux
// file has bare LFs.
class TextBatchLines final : public BatchLines {
public:
    explicit TextBatchLines(std::u16string_view text) : text_(text) {}
    bool Next(std::u16string& line) override;
    void Rewind() override { pos_ = 0; }

private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

// A list file read as the import reads it (byte-order mark, else UTF-8 when a line is valid
// UTF-8, else Windows-1252), each line formatted as markup of style.
class FileBatchLines final : public BatchLines {
public:
    FileBatchLines(const std::filesystem::path& path, MarkupStyle style);
    bool ok() const { return ok_; }
    bool Next(std::u16string& line) override;
    void Rewind() override;

private:
    bool ReadRawLine(std::string& bytes);

    std::ifstream in_;
    MarkupStyle style_;
    std::uint32_t codepage_ = 0;  // 0: decided line by line
    int unit_ = 1;                // bytes per code unit
    bool ok_ = false;
    bool pendingLf_ = false;  // a CR ended the last line; an LF right after it belongs to it
};

// The batch text an imported file becomes: decoded, then formatted in style with its line
// breaks kept.
std::u16string ImportBatchText(std::string_view fileBytes, MarkupStyle style);

// The batch text in newStyle, its lines kept.
std::u16string RestyleBatchText(std::u16string_view text, MarkupStyle oldStyle,
                                MarkupStyle newStyle);

// "?" -> "q", "*" -> "a", then what no file name may hold (path separators, control
// characters, characters other systems refuse) becomes "_"; "." and ".." become "_". Long names
// are cut to a length every file system takes.
std::u16string FileNameFromMessage(std::u16string_view line);

// Keeps the names of one run apart: a name met again gets "_2", "_3"... before its extension.
// Remembers a hash of each name, so a long list costs little memory.
class DistinctNames {
public:
    std::u16string Take(std::u16string name);

private:
    std::unordered_set<std::uint64_t> used_;
};

}  // namespace tsy
