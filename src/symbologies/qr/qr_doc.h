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
    // 0 and 1 are the two graphic models, both the program's own symbol; 2 is a standard
    // ISO 18004 Model 2 symbol. An older reader takes 2 as out of range and builds its own.
    static constexpr int32_t kLastModel = 2;
    static constexpr int32_t kDefaultModel = 1;
    static constexpr int32_t kIsoModel = 2;

    bool BuildSymbol() override;
    bool ApplyCommandLine(const CommandLineOptions& options,
                          const CommandLineWriter& write) override;
    void StoreTypeSection(CArchive& ar) const override;
    void LoadTypeSection(CArchive& ar) override;

    int32_t m_ErrorCorrectionLevel = kDefaultLevel;
    int32_t m_ReverseVideo = 0;
    int32_t m_Model = kDefaultModel;  // radio index; only kIsoModel changes the symbol
};

}  // namespace tsy
