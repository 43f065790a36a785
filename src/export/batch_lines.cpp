#include "export/batch_lines.h"

#include "message/codepage_table.h"
#include "message/codepage_translator.h"
#include "platform/utf8_text.h"

namespace tsy {
namespace {

constexpr std::uint32_t kWindows1252 = 1252;
// Bytes of a name from a message, well under the 255 of common file systems, so that the
// extension and a "_N" still fit.
constexpr std::size_t kMaxNameBytes = 200;

bool IsLineEnd(char16_t c) {
    return c == u'\r' || c == u'\n';
}

bool IsUnsafeInName(char16_t c) {
    if (c < 0x20 || c == 0x7F) return true;
    return std::u16string_view(u"/\\<>:\"|").find(c) != std::u16string_view::npos;
}

std::uint64_t Hash(std::u16string_view s) {
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (char16_t c : s) {
        h = (h ^ (c & 0xFF)) * 1099511628211ull;
        h = (h ^ (c >> 8)) * 1099511628211ull;
    }
    return h;
}

}  // namespace

bool TextBatchLines::Next(std::u16string& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = pos_;
    while (end < text_.size() && !IsLineEnd(text_[end])) ++end;
    line.assign(text_.substr(pos_, end - pos_));
    if (end < text_.size() && text_[end] == u'\r' && end + 1 < text_.size() &&
        text_[end + 1] == u'\n')
        ++end;
    pos_ = end + 1;
    return true;
}

FileBatchLines::FileBatchLines(const std::filesystem::path& path, MarkupStyle style)
    : in_(path, std::ios::binary), style_(style) {
    ok_ = static_cast<bool>(in_);
    Rewind();
}

void FileBatchLines::Rewind() {
    if (!ok_) return;
    in_.clear();
    in_.seekg(0);
    pendingLf_ = false;
    char bom[3] = {};
    in_.read(bom, 3);
    const std::string_view head(bom, static_cast<std::size_t>(in_.gcount()));
    in_.clear();
    // Only a file of three bytes or more has a byte-order mark, as the import decides.
    std::streamoff skip = 0;
    codepage_ = 0;
    unit_ = 1;
    if (head.size() == 3 && head == "\xEF\xBB\xBF") {
        codepage_ = CP_UTF8;
        skip = 3;
    } else if (head.size() == 3 && head.substr(0, 2) == "\xFF\xFE") {
        codepage_ = CP_UTF16LE;
        unit_ = 2;
        skip = 2;
    } else if (head.size() == 3 && head.substr(0, 2) == "\xFE\xFF") {
        codepage_ = CP_UTF16BE;
        unit_ = 2;
        skip = 2;
    }
    in_.seekg(skip);
}

bool FileBatchLines::ReadRawLine(std::string& bytes) {
    bytes.clear();
    std::streambuf* buf = in_.rdbuf();
    const bool bigEndian = codepage_ == CP_UTF16BE;
    bool any = false;
    for (;;) {
        char unit[2];
        std::size_t got = 0;
        for (; got < static_cast<std::size_t>(unit_); ++got) {
            const int c = buf->sbumpc();
            if (c == std::char_traits<char>::eof()) break;
            unit[got] = static_cast<char>(c);
        }
        if (got < static_cast<std::size_t>(unit_)) {
            bytes.append(unit, got);  // a stray last byte of UTF-16 decodes as best it can
            return any || got > 0;
        }
        any = true;
        const unsigned value = unit_ == 1
                                   ? static_cast<unsigned char>(unit[0])
                                   : (static_cast<unsigned char>(unit[bigEndian ? 0 : 1]) << 8) |
                                         static_cast<unsigned char>(unit[bigEndian ? 1 : 0]);
        const bool lfAfterCr = pendingLf_ && value == '\n';
        pendingLf_ = false;
        if (lfAfterCr) continue;
        if (value == '\r' || value == '\n') {
            pendingLf_ = value == '\r';
            return true;
        }
        bytes.append(unit, got);
    }
}

bool FileBatchLines::Next(std::u16string& line) {
    if (!ok_) return false;
    std::string bytes;
    // A CR LF split by the read leaves an empty line behind; the engine skips empty lines.
    if (!ReadRawLine(bytes)) return false;
    const std::uint32_t codepage =
        codepage_ ? codepage_ : (IsValidUtf8(bytes) ? CP_UTF8 : kWindows1252);
    line = FormatMarkup(ToText(bytes, codepage).text, style_, true, true);
    return true;
}

std::u16string ImportBatchText(std::string_view fileBytes, MarkupStyle style) {
    return FormatMarkup(DecodeFileText(fileBytes), style, true, true);
}

std::u16string RestyleBatchText(std::u16string_view text, MarkupStyle oldStyle,
                                MarkupStyle newStyle) {
    return FormatMarkup(ParseMarkup(text, oldStyle, false), newStyle, true, true);
}

std::u16string FileNameFromMessage(std::u16string_view line) {
    std::u16string name;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char16_t c = line[i];
        if (c == u'?')
            c = u'q';
        else if (c == u'*')
            c = u'a';
        else if (IsUnsafeInName(c))
            c = u'_';
        // Cut before a character, never inside a surrogate pair.
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < line.size();
        const std::size_t size = pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        if (bytes + size > kMaxNameBytes) break;
        bytes += size;
        name += c;
        if (pair) name += line[++i];
    }
    if (name == u"." || name == u"..") name = u"_";
    return name;
}

std::u16string DistinctNames::Take(std::u16string name) {
    if (used_.insert(Hash(name)).second) return name;
    for (int n = 2;; ++n) {
        std::u16string candidate = name + u"_";
        for (char c : std::to_string(n)) candidate += static_cast<char16_t>(c);
        if (used_.insert(Hash(candidate)).second) return candidate;
    }
}

}  // namespace tsy
