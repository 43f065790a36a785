#include "cli/build_report.h"

#include <algorithm>

#include "cli/utf8.h"
#include "document/encoder_doc.h"
#include "message/codepage_table.h"
#include "message/codepage_translator.h"
#include "message/markup.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/document_types.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {
namespace {

std::string Name(const CEncoderDoc& doc) {
    return Utf16ToUtf8(FindDocumentType(doc.Kind()).docName);
}

std::string CodepageText(const CEncoderDoc& doc) {
    return Utf16ToUtf8(CodepageName(static_cast<uint32_t>(doc.m_Codepage)));
}

// The settings that decide how much a symbol holds.
std::string Capacity(const CEncoderDoc& doc) {
    if (const auto* pdf = dynamic_cast<const CPDF417Doc*>(&doc)) {
        return " with " + std::to_string(pdf->m_DataColumns) +
               " data columns at error correction level " +
               std::to_string(pdf->m_ErrorCorrectionLevel);
    }
    if (const auto* qr = dynamic_cast<const CQRDoc*>(&doc)) {
        static constexpr const char* kLevels[] = {"M", "L", "H", "Q"};
        const int level = qr->m_ErrorCorrectionLevel;
        const std::string model = qr->m_Model == CQRDoc::kIsoModel ? " Model 2 (ISO 18004)" : "";
        return model + " at error correction level " +
               (level >= 0 && level < 4 ? kLevels[level] : "?");
    }
    if (const auto* aztec = dynamic_cast<const CAztecDoc*>(&doc)) {
        const std::string ec = aztec->m_ErrorCorrection > 0
                                   ? std::to_string(aztec->m_ErrorCorrection) + "% "
                                   : "the default ";
        return " with " + ec + "error correction in " + std::to_string(aztec->m_SymbolCount) +
               (aztec->m_SymbolCount == 1 ? " symbol" : " symbols");
    }
    return {};
}

}  // namespace

std::string BuildFailureReason(const CEncoderDoc& doc) {
    const ModuleSizeLimit limit = doc.MaxModuleSize();
    if (doc.m_Message.empty()) return "the message is empty.";
    if (const auto* aztec = dynamic_cast<const CAztecDoc*>(&doc)) {
        if (const std::u16string idError = aztec->AppendIdError(); !idError.empty())
            return Utf16ToUtf8(idError);
    }
    if (doc.m_MessageBytes.empty())
        return "the message is empty after translation to " + CodepageText(doc) + ".";
    if (doc.m_ElementWidth < 1 || doc.m_ElementWidth > limit.width) {
        return "the module width of " + std::to_string(doc.m_ElementWidth) +
               " mil is out of range for " + Name(doc) + " (1 to " + std::to_string(limit.width) +
               " mil).";
    }
    // A QR build derives the height from the symbol, so a failed one leaves 0 there.
    const bool ownHeight = doc.Kind() != DocumentKind::QR;
    if (ownHeight && (doc.m_SymbolHeight < 1 || doc.m_SymbolHeight > limit.height)) {
        return "the symbol height of " + std::to_string(doc.m_SymbolHeight) +
               " mil is out of range for " + Name(doc) + " (1 to " + std::to_string(limit.height) +
               " mil).";
    }
    if (const auto* zig = dynamic_cast<const CZiggurDoc*>(&doc); zig && !zig->HostEncodes()) {
        return "the host message \"" + Utf16ToUtf8(zig->m_HostMessage) +
               "\" cannot be written as " + Utf16ToUtf8(ZiggurHostLabel(zig->m_HostSymbology)) +
               " host.";
    }
    return "the message (" + std::to_string(doc.m_MessageBytes.size()) + " bytes) does not fit " +
           Name(doc) + Capacity(doc) + " at a module width of " +
           std::to_string(doc.m_ElementWidth) + " mil.";
}

std::size_t LostCharacters(const CEncoderDoc& doc) {
    const auto codepage = static_cast<uint32_t>(doc.m_Codepage);
    const std::u16string text = ParseMarkup(doc.m_Message, doc.m_ViewStyle, true);
    std::size_t lost = 0;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        const std::u16string_view one(text.data() + i, pair ? 2 : 1);
        const ByteTranslation bytes = ToBytes(one, codepage);
        if (!bytes.lossless || ToText(bytes.bytes, codepage).text != one) ++lost;
        i += one.size();
    }
    return lost;
}

std::string DataLossText(const CEncoderDoc& doc) {
    // Accurate can be false where no single character is at fault (a lost pairing); the
    // message is then still not what the user gave.
    const std::size_t lost = std::max<std::size_t>(LostCharacters(doc), 1);
    if (lost == 1) {
        return "Data loss: 1 character of the message is not in " + CodepageText(doc) +
               "; it was replaced or dropped.";
    }
    return "Data loss: " + std::to_string(lost) + " characters of the message are not in " +
           CodepageText(doc) + "; they were replaced or dropped.";
}

}  // namespace tsy
