// The QR document: error-correction level, reverse video and model. QR carries no ECI.
#pragma once

#include "document/encoder_doc.h"

namespace tsy {

extern const DocumentType kQRDocumentType;

class CQRDoc : public CEncoderDoc {
public:
    CQRDoc();

    static constexpr int32_t kLastLevel = 3;  // 0 M, 1 L, 2 H, 3 Q
    static constexpr int32_t kDefaultLevel = 1;
    static constexpr int32_t kLastModel = 1;  // 0 model 1, 1 model 2
    static constexpr int32_t kDefaultModel = 1;

    bool BuildSymbol() override;
    void StoreTypeSection(CArchive& ar) const override;
    void LoadTypeSection(CArchive& ar) override;

    int32_t m_ErrorCorrectionLevel = kDefaultLevel;
    int32_t m_ReverseVideo = 0;
    int32_t m_Model = kDefaultModel;  // radio index; handed on, no effect on the symbol
};

}  // namespace tsy
