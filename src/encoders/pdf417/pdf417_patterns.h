// Bar-space patterns of the PDF417 symbol characters.
#pragma once

#include <cstdint>

namespace tsy::pdf417 {

// [row cluster 0..2 = standard clusters 0, 3, 6][codeword]: the 15 middle modules of the
// 17-module pattern, most significant bit first, 1 = dark (first module dark, last light).
extern const uint16_t kPDF417Patterns[3][929];

inline constexpr uint16_t kPDF417StartPattern = 0x7F54;
inline constexpr uint16_t kPDF417StopPattern = 0x7E8A;

}  // namespace tsy::pdf417
