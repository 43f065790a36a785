// The QR document: error-correction level, reverse video and model. QR carries no ECI.
#pragma once

#include "document/encoder_doc.h"

namespace tsy {

class CQRDoc : public CEncoderDoc {
public:
    CQRDoc() = default;

    DocumentKind Kind() const override { return DocumentKind::QR; }
    bool BuildSymbol() override;
    int32_t MaxMessageLength() const override { return 4000; }
    ModuleSizeLimit MaxModuleSize() const override { return {250, 250}; }

    int32_t m_ErrorCorrectionLevel = 1;  // 0 M, 1 L, 2 H, 3 Q
    int32_t m_ReverseVideo = 0;
    int32_t m_Model = 1;  // radio index; handed on, no effect on the symbol
};

}  // namespace tsy
