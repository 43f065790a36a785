// The PDF417 document: error-correction level, data columns and truncation.
#pragma once

#include "document/encoder_doc.h"

namespace tsy {

extern const DocumentType kPDF417DocumentType;

class CPDF417Doc : public CEncoderDoc {
public:
    CPDF417Doc();

    static constexpr int32_t kMaxLevel = 8;
    static constexpr int32_t kDefaultLevel = 4;
    static constexpr int32_t kMaxDataColumns = 30;  // the encoder's limit; the page offers 15
    static constexpr int32_t kDefaultDataColumns = 2;

    bool BuildSymbol() override;
    // The ECI designator is the encoder's process-wide setting.
    bool BuildsConcurrently() const override { return false; }
    void StoreTypeSection(CArchive& ar) const override;
    void LoadTypeSection(CArchive& ar) override;

    int32_t m_ErrorCorrectionLevel = kDefaultLevel;  // 0..kMaxLevel
    int32_t m_Truncate = 0;
    int32_t m_DataColumns = kDefaultDataColumns;  // 1..kMaxDataColumns
};

}  // namespace tsy
