// The Code 39 document: check character and the menu code without start and stop characters.
#pragma once

#include "document/encoder_doc.h"

namespace tsy {

inline constexpr float kCode39Ratio = 3.0f;

extern const DocumentType kCode39DocumentType;

class CCode39Doc : public CEncoderDoc {
public:
    CCode39Doc();

    bool BuildSymbol() override;
    void SelectCodepage(std::u16string_view name) override { SelectCodepageExact(name); }
    void StoreTypeSection(CArchive& ar) const override;
    void LoadTypeSection(CArchive& ar) override;

    int32_t m_CheckCharacter = 0;
    int32_t m_MenuCode = 0;
};

}  // namespace tsy
