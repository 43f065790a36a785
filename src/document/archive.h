// Byte archive of document files and of the in-memory snapshot a cancelled property sheet
// restores from. All numbers are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tsy {

inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpenDocument = "Failed to open document.";
inline constexpr const char* kFailedToSaveDocument = "Failed to save document.";

// Thrown only while loading; it never leaves the archive and file layer (see LoadFromArchive).
class CArchiveException : public std::runtime_error {
public:
    enum class Cause {
        endOfFile,  // the data ended early (also a length reaching past the end)
        badFormat,  // a value no document can hold
    };
    explicit CArchiveException(Cause cause);
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

class CArchive {
public:
    // A storing archive owns the bytes it writes.
    static CArchive ForStoring();
    // A loading archive reads from bytes that must outlive it.
    static CArchive ForLoading(std::string_view bytes);

    bool IsStoring() const { return storing_; }

    void WriteInt32(int32_t value);
    void WriteFloat(float value);
    void WriteByte(uint8_t value);
    void WriteFlag(bool value);  // one byte, 0 or 1
    // FF FE FF tag, the length in UTF-16 code units (1, 3 or 7 bytes), the units little-endian.
    void WriteText(std::u16string_view text);
    void WriteBytes(const void* data, std::size_t size);

    const std::string& Buffer() const { return out_; }
    std::string TakeBuffer() { return std::move(out_); }

    int32_t ReadInt32();
    float ReadFloat();
    uint8_t ReadByte();
    bool ReadFlag();  // any non-zero byte is true
    // Tagged UTF-16 text, or the untagged single-byte text of older files (Windows-1252).
    std::u16string ReadText();
    // The next size bytes; throws before touching anything when fewer are left.
    std::string_view ReadBytes(std::size_t size);

    std::size_t Remaining() const { return in_.size() - pos_; }
    std::size_t Position() const { return storing_ ? out_.size() : pos_; }

    CArchive& operator<<(int32_t v) {
        WriteInt32(v);
        return *this;
    }
    CArchive& operator<<(float v) {
        WriteFloat(v);
        return *this;
    }
    CArchive& operator<<(uint8_t v) {
        WriteByte(v);
        return *this;
    }
    CArchive& operator<<(std::u16string_view v) {
        WriteText(v);
        return *this;
    }
    CArchive& operator>>(int32_t& v) {
        v = ReadInt32();
        return *this;
    }
    CArchive& operator>>(float& v) {
        v = ReadFloat();
        return *this;
    }
    CArchive& operator>>(uint8_t& v) {
        v = ReadByte();
        return *this;
    }
    CArchive& operator>>(std::u16string& v) {
        v = ReadText();
        return *this;
    }

private:
    explicit CArchive(bool storing, std::string_view in) : storing_(storing), in_(in) {}
    uint64_t ReadLengthPrefix(bool* unicode);
    void Need(uint64_t size) const;

    bool storing_;
    std::string out_;
    std::string_view in_;
    std::size_t pos_ = 0;
};

}  // namespace tsy
