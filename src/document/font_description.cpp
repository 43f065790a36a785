#include "document/font_description.h"

#include <limits>

namespace tsy {

namespace {

std::u16string Ascii(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

// A cursor over the text with the conversions of the scanf family the description uses.
class Scanner {
public:
    explicit Scanner(std::u16string_view text) : text_(text) {}

    bool Literal(char16_t c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    bool NotComma(std::size_t limit, std::u16string* out) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && pos_ - start < limit && text_[pos_] != u',') ++pos_;
        if (pos_ == start) return false;
        out->assign(text_.substr(start, pos_ - start));
        return true;
    }

    bool Char(char16_t* out) {
        if (pos_ >= text_.size()) return false;
        *out = text_[pos_++];
        return true;
    }

    // %i: optional sign, then 0x for hexadecimal, a leading 0 for octal, else decimal.
    bool Integer(int32_t* out) {
        int64_t value = 0;
        if (!Number(0, &value)) return false;
        *out = static_cast<int32_t>(value);
        return true;
    }

    // %u: decimal; a minus sign wraps as the C library does.
    bool Unsigned(uint32_t* out) {
        int64_t value = 0;
        if (!Number(10, &value)) return false;
        *out = static_cast<uint32_t>(value);
        return true;
    }

private:
    static int Digit(char16_t c) {
        if (c >= u'0' && c <= u'9') return c - u'0';
        if (c >= u'a' && c <= u'f') return c - u'a' + 10;
        if (c >= u'A' && c <= u'F') return c - u'A' + 10;
        return 99;
    }

    static bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

    bool Number(int base, int64_t* out) {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == u'+' || text_[pos_] == u'-')) {
            negative = text_[pos_] == u'-';
            ++pos_;
        }
        bool any = false;
        if (base == 0) {
            base = 10;
            if (pos_ < text_.size() && text_[pos_] == u'0') {
                base = 8;
                any = true;
                ++pos_;
                if (pos_ + 1 < text_.size() && (text_[pos_] == u'x' || text_[pos_] == u'X') &&
                    Digit(text_[pos_ + 1]) < 16) {
                    base = 16;
                    ++pos_;
                }
            }
        }
        // Saturate instead of wrapping: out-of-range sizes are reset by the caller anyway.
        constexpr int64_t kCap = int64_t{std::numeric_limits<uint32_t>::max()};
        int64_t value = 0;
        while (pos_ < text_.size() && Digit(text_[pos_]) < base) {
            value = value * base + Digit(text_[pos_++]);
            if (value > kCap) value = kCap;
            any = true;
        }
        if (!any) return false;
        *out = negative ? -value : value;
        return true;
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::u16string FormatFontDescription(const FontDescriptionFields& font) {
    std::u16string out = u"01,";
    out += font.face;
    out +=
        Ascii(",h" + std::to_string(font.size) + ",w" + std::to_string(font.weight) + ",i" +
              std::to_string(font.italic ? 1 : 0) + ",u" + std::to_string(font.underline ? 1 : 0) +
              ",s" + std::to_string(font.strikeOut ? 1 : 0) + ",c" + std::to_string(font.charSet));
    return out;
}

ParsedFontDescription ParseFontDescription(std::u16string_view text) {
    ParsedFontDescription r;
    FontDescriptionFields& f = r.font;
    // The text ends at a NUL, as a C string would.
    Scanner s(text.substr(0, text.find(u'\0')));
    char16_t c = 0;
    if (!s.Literal(u'0') || !s.Literal(u'1') || !s.Literal(u',')) return r;
    if (!s.NotComma(kFontFaceReadLimit, &f.face)) return r;
    ++r.fieldsRead;
    if (!s.Literal(u',') || !s.Literal(u'h') || !s.Integer(&f.size)) return r;
    ++r.fieldsRead;
    if (!s.Literal(u',') || !s.Literal(u'w') || !s.Integer(&f.weight)) return r;
    ++r.fieldsRead;
    if (!s.Literal(u',') || !s.Literal(u'i') || !s.Char(&c)) return r;
    f.italic = (c & 1) != 0;
    ++r.fieldsRead;
    if (!s.Literal(u',') || !s.Literal(u'u') || !s.Char(&c)) return r;
    f.underline = (c & 1) != 0;
    ++r.fieldsRead;
    if (!s.Literal(u',') || !s.Literal(u's') || !s.Char(&c)) return r;
    f.strikeOut = (c & 1) != 0;
    ++r.fieldsRead;
    if (!s.Literal(u',') || !s.Literal(u'c') || !s.Unsigned(&f.charSet)) return r;
    ++r.fieldsRead;
    return r;
}

std::u16string FormatFontDescription(const LogFont& lf, int32_t tenths) {
    FontDescriptionFields f;
    f.face = lf.faceName;
    f.size = tenths;
    f.weight = lf.weight;
    f.italic = lf.italic;
    f.underline = lf.underline;
    f.strikeOut = lf.strikeOut;
    f.charSet = lf.charSet;
    return FormatFontDescription(f);
}

}  // namespace tsy
