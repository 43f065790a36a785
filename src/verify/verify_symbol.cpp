#include "verify/verify_symbol.h"

#include <algorithm>
#include <vector>

#include "document/mils.h"
#include "symbologies/aztec/aztec_animation.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "verify/symbol_reader.h"

namespace tsy {
namespace {

// What the reader should find: the format, the bytes, and the symbols of a set.
struct Expectation {
    ReadRequest request;
    std::string bytes;
    int symbols = 1;  // side by side, one module apart (a structured-append set)
    int modulePx = 1;
    std::string notChecked;  // set: the reader cannot judge this symbol
};

Expectation NotChecked(std::string why) {
    Expectation e;
    e.notChecked = std::move(why);
    return e;
}

// Code 128's function characters as the reader reports them: FNC1 first is the GS1 flag (in
// the symbology identifier, not the data), FNC1 later a GS byte, FNC2 and FNC3 nothing.
bool Code128Bytes(const MessageBytes& variant, std::string* bytes) {
    for (std::size_t i = 0; i < variant.size(); ++i) {
        const auto b = static_cast<uint8_t>(variant[i]);
        if (b < 0x80) {
            bytes->push_back(static_cast<char>(b));
        } else if (b == 0x80) {
            if (i > 0) bytes->push_back('\x1D');
        } else if (b == 0x83) {
            return false;  // a bare FNC4: its meaning depends on the reader
        }
    }
    return true;
}

Expectation Expect(const CEncoderDoc& doc, const SymbolBuild& build) {
    Expectation e;
    e.bytes = doc.m_MessageBytes;
    e.modulePx = static_cast<int>(
        std::min<int64_t>(MilsToPixels(build.dpiX, doc.m_ElementWidth), int64_t{1} << 20));
    switch (doc.Kind()) {
        case DocumentKind::Aztec:
        case DocumentKind::AztecAnimated: {
            const auto& aztec = static_cast<const CAztecDoc&>(doc);
            if (aztec.m_SymbolType == kAztecTypeRune)
                return NotChecked("the reader does not read Aztec runes.");
            e.request.format = ReaderFormat::Aztec;
            e.request.inverted = aztec.m_ReverseVideo != 0;
            e.symbols = std::max(1, aztec.m_SymbolCount);
            return e;
        }
        case DocumentKind::PDF417:
            e.request.format = ReaderFormat::PDF417;
            e.request.moduleHeightPx = static_cast<int>(
                std::min<int64_t>(MilsToPixels(build.dpiY, doc.m_ElementHeight), 1 << 20));
            return e;
        case DocumentKind::QR: {
            const auto& qr = static_cast<const CQRDoc&>(doc);
            if (qr.m_Model != CQRDoc::kIsoModel)
                return NotChecked("the reader does not read this QR structure, only ISO Model 2.");
            e.request.format = ReaderFormat::QRCode;
            e.request.inverted = qr.m_ReverseVideo != 0;
            return e;
        }
        case DocumentKind::Code128: {
            const auto& c128 = static_cast<const CCode128Doc&>(doc);
            if (c128.m_Menu128) return NotChecked("Menu 128 symbols carry no message to compare.");
            e.request.format = ReaderFormat::Code128;
            e.bytes.clear();
            if (!Code128Bytes(c128.VariantBytes(), &e.bytes))
                return NotChecked("the reader does not report FNC4 as written.");
            return e;
        }
        case DocumentKind::Code39: {
            const auto& c39 = static_cast<const CCode39Doc&>(doc);
            if (c39.m_MenuCode) return NotChecked("a menu code has no start and stop characters.");
            e.request.format = ReaderFormat::Code39;
            e.request.code39Check = c39.m_CheckCharacter != 0;
            return e;
        }
        case DocumentKind::Ziggur:
            return NotChecked("the reader knows only the host of a Ziggur symbol.");
    }
    return NotChecked("the reader does not know this symbology.");
}

SymbolVerdict Unreadable(std::string reason) {
    return {SymbolCheck::NotReadable, std::move(reason)};
}

std::string Shown(const std::string& bytes) {
    std::string out;
    for (char c : bytes.substr(0, 40)) {
        const auto b = static_cast<unsigned char>(c);
        out += b >= 0x20 && b < 0x7F ? std::string(1, c)
                                     : "\\x" + std::string(1, "0123456789ABCDEF"[b >> 4]) +
                                           "0123456789ABCDEF"[b & 15];
    }
    return bytes.size() > 40 ? out + "..." : out;
}

SymbolVerdict Compare(const std::string& read, const std::string& expected) {
    if (read == expected) return {SymbolCheck::Verified, {}};
    return Unreadable("the reader read \"" + Shown(read) + "\" instead of \"" + Shown(expected) +
                      "\".");
}

// A structured-append set: every symbol read, each index once, parts joined in index order.
SymbolVerdict ReadSet(const Bitmap1& strip, const Expectation& e) {
    const AnimationFrames frames =
        CutAnimationFrames(strip.width, strip.height, e.modulePx, e.symbols);
    if (frames.count != e.symbols)
        return Unreadable("the symbols of the set cannot be told apart.");
    std::vector<std::string> parts(static_cast<std::size_t>(frames.count));
    std::vector<bool> seen(parts.size(), false);
    for (int i = 0; i < frames.count; ++i) {
        ReadSymbol symbol;
        if (!ReadSymbolPart(strip, i * frames.step, 0, frames.width, frames.height, e.request,
                            &symbol))
            return Unreadable("symbol " + std::to_string(i + 1) + " of the set does not read.");
        const int index = symbol.sequenceIndex;
        if (symbol.sequenceSize != frames.count || index < 0 || index >= frames.count ||
            seen[static_cast<std::size_t>(index)])
            return Unreadable("symbol " + std::to_string(i + 1) + " is not part " +
                              std::to_string(i + 1) + " of " + std::to_string(frames.count) + ".");
        seen[static_cast<std::size_t>(index)] = true;
        parts[static_cast<std::size_t>(index)] = std::move(symbol.bytes);
    }
    std::string joined;
    for (const std::string& part : parts) joined += part;
    return Compare(joined, e.bytes);
}

bool SameRows(const Bitmap1& b, int y1, int y2) {
    const auto stride = static_cast<std::size_t>(b.stride());
    const auto* first = b.bits.data() + static_cast<std::size_t>(y1) * stride;
    return std::equal(first, first + stride, b.bits.data() + static_cast<std::size_t>(y2) * stride);
}

// A scanner may cross a linear symbol anywhere: every distinct row must read back.
SymbolVerdict ReadEveryRow(const Bitmap1& symbol, const Expectation& e) {
    std::vector<int> distinct;
    for (int y = 0; y < symbol.height; ++y) {
        if (std::any_of(distinct.begin(), distinct.end(),
                        [&](int d) { return SameRows(symbol, d, y); }))
            continue;
        distinct.push_back(y);
        ReadSymbol read;
        if (!ReadSymbolPart(symbol, 0, y, symbol.width, 1, e.request, &read))
            return Unreadable("row " + std::to_string(y + 1) + " of the symbol does not read.");
        if (SymbolVerdict v = Compare(read.bytes, e.bytes); v.check != SymbolCheck::Verified)
            return v;
    }
    return {SymbolCheck::Verified, {}};
}

}  // namespace

std::u16string_view SymbolCheckText(SymbolCheck check) {
    switch (check) {
        case SymbolCheck::Verified:
            return u"Verified";
        case SymbolCheck::NotReadable:
            return u"Not readable";
        case SymbolCheck::NotChecked:
            break;
    }
    return u"Not checked";
}

SymbolVerdict VerifySymbol(const CEncoderDoc& doc) {
    return VerifySymbol(doc, doc.LastBuild());
}

SymbolVerdict VerifySymbol(const CEncoderDoc& doc, const SymbolBuild& build) {
    if (build.symbol.empty() || !doc.m_Picture.HasPicture())
        return {SymbolCheck::NotChecked, "no symbol was built."};
    Expectation e = Expect(doc, build);
    if (!e.notChecked.empty()) return {SymbolCheck::NotChecked, std::move(e.notChecked)};
    if (std::string missing; !ReaderAvailable(&missing))
        return {SymbolCheck::NotChecked, std::move(missing)};
    e.request.modulePx = e.modulePx;
    if (e.symbols > 1) return ReadSet(build.symbol, e);
    if (e.request.format == ReaderFormat::Code128 || e.request.format == ReaderFormat::Code39)
        return ReadEveryRow(build.symbol, e);
    ReadSymbol symbol;
    if (!ReadSymbolPart(build.symbol, 0, 0, build.symbol.width, build.symbol.height, e.request,
                        &symbol))
        return Unreadable("the reader found no symbol.");
    return Compare(symbol.bytes, e.bytes);
}

}  // namespace tsy
