#include <cstdio>

#include "message/control_chars.h"
#include "message/markup.h"

namespace tsy {
namespace {

constexpr char16_t CR = 0x0D;
constexpr char16_t LF = 0x0A;
constexpr char16_t TAB = 0x09;

void AppendAscii(std::u16string& out, const char* s) {
    while (*s) out += static_cast<char16_t>(*s++);
}

// The line-end bookkeeping both text styles share: after a CR written as markup the line
// break goes after a following LF, or before anything else.
class LineEnds {
public:
    LineEnds(std::u16string& out, bool lineBreaks) : out_(out), lineBreaks_(lineBreaks) {}

    void Before(char16_t c) {
        if (pending_ && c != LF) {
            if (lineBreaks_) out_ += u"\r\n";
            pending_ = false;
        }
    }
    void AfterMarkup(char16_t c) {
        if (c == CR) {
            pending_ = true;
        } else if (c == LF) {
            if (lineBreaks_) out_ += u"\r\n";
            pending_ = false;
        }
    }

private:
    std::u16string& out_;
    bool lineBreaks_;
    bool pending_ = false;
};

bool KeptAsIs(char16_t c, bool keepCrLf) {
    return keepCrLf && (c == CR || c == LF);
}

std::u16string FormatBracket(std::u16string_view text, bool keepCrLf, bool lineBreaks) {
    std::u16string out;
    out.reserve(text.size());
    LineEnds lineEnds(out, lineBreaks);
    for (char16_t c : text) {
        lineEnds.Before(c);
        if (!IsMarkupEligible(c) || KeptAsIs(c, keepCrLf)) {
            out += c;
            continue;
        }
        out += u'[';
        out += ControlName(c);
        out += u']';
        lineEnds.AfterMarkup(c);
    }
    return out;
}

bool StartsCEscape(char16_t c) {
    switch (c) {
        case u'r':
        case u'n':
        case u't':
        case u'\\':
        case u'x':
        case u'X':
        case u'u':
        case u'U':
            return true;
        default:
            return false;
    }
}

void AppendCControl(std::u16string& out, char16_t c) {
    if (c == CR) {
        out += u"\\r";
    } else if (c == LF) {
        out += u"\\n";
    } else if (c == TAB) {
        out += u"\\t";
    } else {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned>(c));
        AppendAscii(out, buf);
    }
}

std::u16string FormatC(std::u16string_view text, bool keepCrLf, bool lineBreaks) {
    std::u16string out;
    out.reserve(text.size());
    LineEnds lineEnds(out, lineBreaks);
    bool backslash = false;
    for (char16_t c : text) {
        lineEnds.Before(c);
        if (backslash) {
            backslash = false;
            if (c == u'\\') {
                // An escaped backslash already in the text stays one escape; letting the second
                // backslash start a new pending one would eat the character after it.
                out += u"\\\\";
                continue;
            }
            out += StartsCEscape(c) ? u"\\" : u"\\\\";
        }
        if (IsMarkupEligible(c) && !KeptAsIs(c, keepCrLf)) {
            AppendCControl(out, c);
            lineEnds.AfterMarkup(c);
        } else if (c == u'\\') {
            backslash = true;
        } else {
            out += c;
        }
    }
    if (backslash) out += u"\\\\";
    return out;
}

std::u16string FormatBinary(std::u16string_view text) {
    bool wide = false;
    for (char16_t c : text) wide = wide || c > 0xFF;
    std::u16string out;
    out.reserve(text.size() * (wide ? 5 : 3) + text.size() / 4);
    char buf[8];
    std::size_t n = 0;
    for (char16_t c : text) {
        std::snprintf(buf, sizeof buf, wide ? "%04x " : "%02x ", static_cast<unsigned>(c));
        AppendAscii(out, buf);
        if (++n % 8 == 0) out += u"\r\n";
    }
    return out;
}

bool ContainsAny(std::u16string_view text, std::initializer_list<std::u16string_view> needles) {
    for (std::u16string_view n : needles) {
        if (text.find(n) != std::u16string_view::npos) return true;
    }
    return false;
}

}  // namespace

std::u16string FormatMarkup(std::u16string_view text, MarkupStyle style, bool keepCrLf,
                            bool lineBreaks) {
    switch (style) {
        case MarkupStyle::C:
            return FormatC(text, keepCrLf, lineBreaks);
        case MarkupStyle::Binary:
            return FormatBinary(text);
        case MarkupStyle::Bracket:
        default:
            return FormatBracket(text, keepCrLf, lineBreaks);
    }
}

std::u16string FormatImportedText(std::u16string_view text, MarkupStyle style) {
    bool found = false;
    if (style == MarkupStyle::Bracket) {
        found = ContainsAny(text, {u"[CR]", u"[ CR]", u"[LF]", u"[ LF]"});
    } else if (style == MarkupStyle::C) {
        found = ContainsAny(text, {u"\\r", u"\\n", u"\\x0d", u"\\x0D", u"\\x0a", u"\\x0A"});
    }
    return FormatMarkup(text, style, found, true);
}

std::u16string EnterKeyText(MarkupStyle style, EnterMode mode) {
    static constexpr std::u16string_view kBracket[] = {u"[ CR][ LF]\r\n", u"[ CR]\r\n",
                                                       u"[ LF]\r\n"};
    static constexpr std::u16string_view kC[] = {u"\\r\\n\r\n", u"\\r\r\n", u"\\n\r\n"};
    const int m = static_cast<int>(mode);
    if (m < 0 || m > 2) return {};
    if (style == MarkupStyle::Bracket) return std::u16string(kBracket[m]);
    if (style == MarkupStyle::C) return std::u16string(kC[m]);
    return {};
}

}  // namespace tsy
