#include "message/platform_codepage.h"

#include "platform/utf8_text.h"

#include <iconv.h>
#include <algorithm>
#include <cerrno>
#include <string>

namespace tsy::detail {
namespace {

constexpr std::uint32_t kUtf8 = 65001;

std::string IconvName(std::uint32_t codePage) {
    return codePage == kUtf8 ? "UTF-8" : "CP" + std::to_string(codePage);
}

class Iconv {
public:
    Iconv(const std::string& to, const std::string& from)
        : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in, calling onError(in, left, out) at each position iconv rejects; it
    // appends a replacement to out and returns how many input bytes to skip.
    template <typename OnError>
    bool Convert(std::string_view in, std::string& out, OnError onError) {
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        std::string buf(in.size() * 4 + 16, '\0');
        while (left > 0) {
            char* dst = buf.data();
            std::size_t room = buf.size();
            const std::size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
            if (r != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            if (errno != EILSEQ && errno != EINVAL) return false;
            const std::size_t skip = std::min(left, onError(std::string_view(src, left), out));
            src += skip;
            left -= skip;
        }
        char* dst = buf.data();
        std::size_t room = buf.size();
        iconv(cd_, nullptr, nullptr, &dst, &room);
        out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
        return true;
    }

private:
    iconv_t cd_;
};

std::string Utf16LeBytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t u : text) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

std::u16string FromUtf16LeBytes(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return text;
}

bool IsHighSurrogate(unsigned u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(unsigned u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

unsigned UnitAt(std::string_view le, std::size_t i) {
    return static_cast<unsigned char>(le[i]) | static_cast<unsigned char>(le[i + 1]) << 8;
}

}  // namespace

bool PlatformToBytes(std::u16string_view text, std::uint32_t codePage, MessageBytes& out) {
    Iconv cd(IconvName(codePage), "UTF-16LE");
    if (!cd.ok()) return false;
    const std::string_view replacement = codePage == kUtf8 ? "\xEF\xBF\xBD" : "?";
    const std::string le = Utf16LeBytes(text);
    return cd.Convert(le, out, [&](std::string_view rest, std::string& o) -> std::size_t {
        o += replacement;
        // A well-formed pair the code page lacks is one character.
        if (rest.size() >= 4 && IsHighSurrogate(UnitAt(rest, 0)) &&
            IsLowSurrogate(UnitAt(rest, 2))) {
            return 4;
        }
        return 2;
    });
}

bool PlatformToText(std::string_view bytes, std::uint32_t codePage, std::u16string& out) {
    if (codePage == kUtf8) {
        out = Utf8ToUtf16Text(bytes);
        return true;
    }
    Iconv cd("UTF-16LE", IconvName(codePage));
    if (!cd.ok()) return false;
    std::string le;
    const bool ok = cd.Convert(bytes, le, [&](std::string_view rest, std::string& o) {
        const unsigned b = static_cast<unsigned char>(rest[0]);
        o += static_cast<char>(b);
        o += '\0';
        return std::size_t{1};
    });
    out = FromUtf16LeBytes(le);
    return ok;
}

}  // namespace tsy::detail
