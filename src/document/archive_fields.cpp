#include "document/archive_fields.h"

#include <cmath>
#include <utility>

namespace tsy {

int32_t InRangeOr(int32_t value, int32_t lo, int32_t hi, int32_t fallback) {
    return value >= lo && value <= hi ? value : fallback;
}

float InRangeOr(float value, float lo, float hi, float fallback) {
    return !std::isnan(value) && value >= lo && value <= hi ? value : fallback;
}

int32_t ReadInt32InRange(CArchive& ar, int32_t lo, int32_t hi, int32_t fallback) {
    return InRangeOr(ar.ReadInt32(), lo, hi, fallback);
}

uint8_t ReadByteInRange(CArchive& ar, uint8_t lo, uint8_t hi, uint8_t fallback) {
    const uint8_t v = ar.ReadByte();
    return v >= lo && v <= hi ? v : fallback;
}

float ReadFloatInRange(CArchive& ar, float lo, float hi, float fallback) {
    return InRangeOr(ar.ReadFloat(), lo, hi, fallback);
}

std::u16string ReadTextAtMost(CArchive& ar, std::size_t maxUnits, std::u16string fallback) {
    std::u16string text = ar.ReadText();
    return text.size() <= maxUnits ? text : std::move(fallback);
}

void WriteInt32Flag(CArchive& ar, bool value) {
    ar.WriteInt32(value ? 1 : 0);
}

bool ReadInt32Flag(CArchive& ar) {
    return ar.ReadInt32() != 0;
}

}  // namespace tsy
