// The Code 128 document: the FNC3 variants for scanner configuration and the obsolete Menu 128.
#pragma once

#include <string>

#include "document/encoder_doc.h"

namespace tsy {

class CCode128Doc : public CEncoderDoc {
public:
    CCode128Doc();

    DocumentKind Kind() const override { return DocumentKind::Code128; }
    bool BuildSymbol() override;
    int32_t MaxMessageLength() const override { return 80; }
    ModuleSizeLimit MaxModuleSize() const override { return {75, 4000}; }
    bool ApplyCommandLine(const CommandLineOptions& options,
                          const CommandLineWriter& write) override;
    void SelectCodepage(std::u16string_view name) override { SelectCodepageExact(name); }

    // The bytes handed to the encoder: MessageBytes with the variant's "~" and FNC3 (0x82).
    MessageBytes VariantBytes() const;

    int32_t m_Menu128 = 0;
    std::u16string m_MenuData;    // up to 8 hexadecimal digits
    std::u16string m_MenuOffset;  // up to 3 hexadecimal digits
    uint8_t m_MenuOpcode = 0;     // 0..7
    uint8_t m_MenuId = 0;         // 0..106
    int32_t m_TrailingFnc3 = 0;
    int32_t m_LeadingFnc3 = 0;
    int32_t m_LeadingTilde = 0;
};

}  // namespace tsy
