// Helpers that keep each document's Serialize a short list of fields: format versions, the
// guarded block, int32 flags and the range checks applied to every bounded field read from a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "document/archive.h"

namespace tsy {

inline constexpr int32_t kDocumentVersion = 301;       // always written
inline constexpr int32_t kVersionWithCodepage = 200;   // Codepage, Eci, UseEci
inline constexpr int32_t kVersionWithViewStyle = 300;  // ViewStyle, AddMessage, CrLfStyle, font
inline constexpr int32_t kVersionWithCode128Trailer = 301;
inline constexpr int32_t kAnimatedAztecMarker = 2001;  // written first, skipped on reading

// Runs read(); data ending inside it ends the block quietly and keeps what was read so far.
// Returns true when the block was read completely. Other archive failures pass through.
template <class ReadFn>
bool ReadGuarded(ReadFn&& read) {
    try {
        read();
        return true;
    } catch (const CArchiveException& e) {
        if (e.cause() != CArchiveException::Cause::endOfFile) throw;
        return false;
    }
}

// value when lo <= value <= hi, else fallback.
int32_t InRangeOr(int32_t value, int32_t lo, int32_t hi, int32_t fallback);
// Same for floats; NaN gives fallback.
float InRangeOr(float value, float lo, float hi, float fallback);

int32_t ReadInt32InRange(CArchive& ar, int32_t lo, int32_t hi, int32_t fallback);
uint8_t ReadByteInRange(CArchive& ar, uint8_t lo, uint8_t hi, uint8_t fallback);
float ReadFloatInRange(CArchive& ar, float lo, float hi, float fallback);
// A text longer than maxUnits UTF-16 code units is replaced by fallback.
std::u16string ReadTextAtMost(CArchive& ar, std::size_t maxUnits, std::u16string fallback = {});

// Flags of the type sections are int32 holding 0 or 1; any non-zero value reads as set.
void WriteInt32Flag(CArchive& ar, bool value);
bool ReadInt32Flag(CArchive& ar);

}  // namespace tsy
