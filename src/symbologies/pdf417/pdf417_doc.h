// The PDF417 document: error-correction level, data columns and truncation.
#pragma once

#include "document/encoder_doc.h"

namespace tsy {

class CPDF417Doc : public CEncoderDoc {
public:
    CPDF417Doc();

    DocumentKind Kind() const override { return DocumentKind::PDF417; }
    bool BuildSymbol() override;
    int32_t MaxMessageLength() const override { return 4000; }
    ModuleSizeLimit MaxModuleSize() const override { return {75, 75}; }

    int32_t m_ErrorCorrectionLevel = 4;  // 0..8
    int32_t m_Truncate = 0;
    int32_t m_DataColumns = 2;  // 1..15 from the page; the encoder takes up to 30
};

}  // namespace tsy
