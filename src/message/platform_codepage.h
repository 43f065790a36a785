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

// Ill-formed UTF-8 becomes U+FFFD (the platform's one UTF-8 rule); undecodable bytes of the
// single-byte pages become U+00xx (the platform's best fit for their unassigned
// positions). False when the code page is unknown.
bool PlatformToText(std::string_view bytes, std::uint32_t codePage, std::u16string& out);

}  // namespace tsy::detail
