// The Code 39 document: check character and the menu code without start and stop characters.
#pragma once

#include "document/encoder_doc.h"

namespace tsy {

inline constexpr float kCode39Ratio = 3.0f;

class CCode39Doc : public CEncoderDoc {
public:
    CCode39Doc();

    DocumentKind Kind() const override { return DocumentKind::Code39; }
    bool BuildSymbol() override;
    int32_t MaxMessageLength() const override { return 60; }
    ModuleSizeLimit MaxModuleSize() const override { return {75, 4000}; }
    void SelectCodepage(std::u16string_view name) override { SelectCodepageExact(name); }

    int32_t m_CheckCharacter = 0;
    int32_t m_MenuCode = 0;
};

}  // namespace tsy
