// The code pages the program leaves to the platform (glibc iconv here).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "message/message_bytes.h"

namespace tsy::detail {

// Characters the code page lacks become its default character ("?"; U+FFFD for UTF-8, which
// has no "?" substitute for unpaired surrogates). False when the code page is unknown.
bool PlatformToBytes(std::u16string_view text, std::uint32_t codePage, MessageBytes& out);

// Undecodable bytes become U+FFFD in UTF-8 and U+00xx in the single-byte pages (the
// platform's best fit for their unassigned positions). False when the code page is unknown.
bool PlatformToText(std::string_view bytes, std::uint32_t codePage, std::u16string& out);

// Strict UTF-8: no overlong forms, surrogates or values beyond U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace tsy::detail
