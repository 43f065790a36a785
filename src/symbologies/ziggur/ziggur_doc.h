// The Ziggur document: the linear host (symbology, message, barrier rows, symmetry, height) and
// the menu symbol flag over the message layers.
#pragma once

#include <string>
#include <string_view>

#include "document/encoder_doc.h"
#include "encoders/ziggur/ziggur_host.h"

namespace tsy {

// Values of CZiggurDoc::m_HostSymbology, the order of the page's radio buttons.
enum ZiggurHostChoice : int32_t {
    kZiggurHostCode39 = 0,
    kZiggurHostUpcEan = 1,
    kZiggurHostItf = 2,
    kZiggurHostItfBearers = 3,
    kZiggurHostCode93 = 4,
    kZiggurHostCode128 = 5,
};
inline constexpr int32_t kZiggurLastHost = kZiggurHostCode128;
inline constexpr int32_t kZiggurDefaultSymmetry = ziggur::kZiggurDoubleEven;
// Text units a host message may have in a file; the build takes at most 47 bytes of it.
inline constexpr std::size_t kZiggurHostTextMax = 4000;

extern const DocumentType kZiggurDocumentType;

// The label of a host choice on the option page ("Code 39", "UPC/EAN", ...); empty when none.
std::u16string_view ZiggurHostLabel(int32_t host);

class CZiggurDoc : public CEncoderDoc {
public:
    CZiggurDoc();

    bool BuildSymbol() override;
    bool ApplyCommandLine(const CommandLineOptions& options,
                          const CommandLineWriter& write) override;
    void StoreTypeSection(CArchive& ar) const override;
    void LoadTypeSection(CArchive& ar) override;
    void CopyUnsavedSettings(const CEncoderDoc& from) override;

    // The host record of a build; false when the host message does not reach the host intact
    // (more than 47 bytes, a NUL, a character outside ISO 8859-1).
    bool MakeHostRecord(ziggur::ZiggurHostRecord* host) const;
    // True when the host symbol can be drawn from the current settings.
    bool HostEncodes() const;

    // The menu symbol's fixed host message: "0000" on the Interleaved 2 of 5 hosts, else "0".
    std::u16string MenuHostMessage() const;
    // Rewrites the host message, written in the document's markup style, in style: for a run
    // (a batch) that gives the document another style for its message.
    void RestyleHostMessage(MarkupStyle style);
    // Turning the menu symbol on puts MenuHostMessage in place of the host message; turning it
    // off brings back the message it replaced.
    void SetMenuSymbol(bool on);

    std::u16string m_HostMessage;
    int32_t m_HostSymbology = kZiggurHostCode39;
    int32_t m_BarrierRows = 0;
    int32_t m_Symmetry = kZiggurDefaultSymmetry;
    int32_t m_MenuSymbol = 0;
    int32_t m_DefaultHostHeight = 1;  // not in the file: on again after opening

private:
    std::u16string hostMessageBeforeMenu_;
};

}  // namespace tsy
