// The Aztec document: symbol type (normal, reader-configuration menu, rune), reverse video,
// error correction and structured append.
#pragma once

#include <string>

#include "document/encoder_doc.h"

namespace tsy {

enum AztecSymbolType : int32_t { kAztecTypeNormal = 0, kAztecTypeMenu = 1, kAztecTypeRune = 2 };

inline constexpr std::size_t kAztecAppendIdMax = 24;

extern const DocumentType kAztecDocumentType;

class CAztecDoc : public CEncoderDoc {
public:
    CAztecDoc();

    static constexpr int32_t kMaxSymbols = 9;
    static constexpr int32_t kMaxCorrectionPercent = 99;

    bool BuildSymbol() override;
    bool ApplyCommandLine(const CommandLineOptions& options,
                          const CommandLineWriter& write) override;
    void StoreTypeSection(CArchive& ar) const override;
    void LoadTypeSection(CArchive& ar) override;

    // The bytes handed to the encoder and whether its escape processing is on: for a normal
    // symbol with the ECI switch on and an ECI, the ECI escape followed by MessageBytes with
    // every ESC doubled; otherwise MessageBytes as they are.
    MessageBytes EncoderBytes(bool* escapes) const;

    // Why the append ID cannot head a structured-append set, or empty when it can: readers
    // take the space-separated header for data when the ID holds a space.
    std::u16string AppendIdError() const;

    int32_t m_ReverseVideo = 0;
    int32_t m_ErrorCorrection = 0;  // 0 default, 1..99 minimum percent of check codewords
    int32_t m_SymbolCount = 1;      // 1..kMaxSymbols
    int32_t m_SymbolType = kAztecTypeNormal;
    std::u16string m_AppendId;  // at most 24 characters

protected:
    // For a type that carries an Aztec section inside its own (the animated sequence).
    explicit CAztecDoc(const DocumentType& type) : CEncoderDoc(type) {}

    // The encoder's raster of the message with the size figures stored, and the module size it
    // used; empty when there is no symbol.
    OwnedRaster EncodeRaster(int32_t* modulePx);
    // The animated sequence keeps the document's code page and ECI for menu symbols too.
    virtual bool MenuKeepsCodepageAndEci() const { return false; }
    virtual int32_t MaxSymbolCount() const { return kMaxSymbols; }
};

}  // namespace tsy
