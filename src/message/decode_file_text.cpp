#include "message/codepage_table.h"
#include "message/codepage_translator.h"
#include "platform/utf8_text.h"

namespace tsy {
namespace {

constexpr std::uint32_t kWindows1252 = 1252;

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The "ANSI code page" of a Linux system: UTF-8 when the bytes are UTF-8, else Windows-1252.
std::uint32_t AnsiCodepage(std::string_view bytes) {
    return IsValidUtf8(bytes) ? CP_UTF8 : kWindows1252;
}

}  // namespace

std::u16string DecodeFileText(std::string_view fileBytes) {
    std::uint32_t codePage;
    std::size_t skip = 0;
    if (fileBytes.size() >= 3 && StartsWith(fileBytes, "\xEF\xBB\xBF")) {
        codePage = CP_UTF8;
        skip = 3;
    } else if (fileBytes.size() >= 3 && StartsWith(fileBytes, "\xFF\xFE")) {
        codePage = CP_UTF16LE;
        skip = 2;
    } else if (fileBytes.size() >= 3 && StartsWith(fileBytes, "\xFE\xFF")) {
        codePage = CP_UTF16BE;
        skip = 2;
    } else {
        codePage = AnsiCodepage(fileBytes);
    }
    return ToText(fileBytes.substr(skip), codePage).text;
}

}  // namespace tsy
