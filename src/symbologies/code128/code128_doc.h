// The Code 128 document: the FNC3 variants for scanner configuration and the obsolete Menu 128.
#pragma once

#include <string>

#include "document/encoder_doc.h"

namespace tsy {

extern const DocumentType kCode128DocumentType;

class CCode128Doc : public CEncoderDoc {
public:
    CCode128Doc();

    static constexpr std::size_t kMaxMenuData = 8;    // hexadecimal digits
    static constexpr std::size_t kMaxMenuOffset = 3;  // hexadecimal digits
    static constexpr uint8_t kMaxMenuOpcode = 7;
    static constexpr uint8_t kMaxMenuId = 106;

    bool BuildSymbol() override;
    bool ApplyCommandLine(const CommandLineOptions& options,
                          const CommandLineWriter& write) override;
    void SelectCodepage(std::u16string_view name) override { SelectCodepageExact(name); }
    void StoreTypeSection(CArchive& ar) const override;
    void LoadTypeSection(CArchive& ar) override;
    // The leading tilde: written by version 301; older files meant it by the trailing FNC3.
    void StoreTrailer(CArchive& ar) const override;
    void LoadTrailer(CArchive& ar, bool baseComplete) override;

    // The bytes handed to the encoder: MessageBytes with the variant's "~" and FNC3 (0x82).
    MessageBytes VariantBytes() const;

    int32_t m_Menu128 = 0;
    std::u16string m_MenuData;    // up to kMaxMenuData hexadecimal digits
    std::u16string m_MenuOffset;  // up to kMaxMenuOffset hexadecimal digits
    uint8_t m_MenuOpcode = 0;     // 0..kMaxMenuOpcode
    uint8_t m_MenuId = 0;         // 0..kMaxMenuId
    int32_t m_TrailingFnc3 = 0;
    int32_t m_LeadingFnc3 = 0;
    int32_t m_LeadingTilde = 0;
};

}  // namespace tsy
