#include "document/archive.h"

#include <bit>
#include <cstring>

namespace tsy {

CArchiveException::CArchiveException(Cause cause)
    : std::runtime_error(kUnexpectedFileFormat), cause_(cause) {}

CArchive CArchive::ForStoring() {
    return CArchive(true, {});
}

CArchive CArchive::ForLoading(std::string_view bytes) {
    return CArchive(false, bytes);
}

void CArchive::WriteInt32(int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void CArchive::WriteFloat(float value) {
    WriteInt32(std::bit_cast<int32_t>(value));
}

void CArchive::WriteByte(uint8_t value) {
    out_.push_back(static_cast<char>(value));
}

void CArchive::WriteFlag(bool value) {
    WriteByte(value ? 1 : 0);
}

void CArchive::WriteBytes(const void* data, std::size_t size) {
    out_.append(static_cast<const char*>(data), size);
}

void CArchive::Need(uint64_t size) const {
    if (size > Remaining()) throw CArchiveException(CArchiveException::Cause::endOfFile);
}

std::string_view CArchive::ReadBytes(std::size_t size) {
    Need(size);
    std::string_view bytes = in_.substr(pos_, size);
    pos_ += size;
    return bytes;
}

uint8_t CArchive::ReadByte() {
    return static_cast<uint8_t>(ReadBytes(1)[0]);
}

bool CArchive::ReadFlag() {
    return ReadByte() != 0;
}

int32_t CArchive::ReadInt32() {
    const std::string_view b = ReadBytes(4);
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= uint32_t{static_cast<uint8_t>(b[i])} << (8 * i);
    return static_cast<int32_t>(u);
}

float CArchive::ReadFloat() {
    return std::bit_cast<float>(ReadInt32());
}

}  // namespace tsy
