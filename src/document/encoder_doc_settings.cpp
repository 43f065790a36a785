// The InitialView profile section and the caption font description of the document base.
#include "document/encoder_doc.h"
#include "document/font_description.h"
#include "platform/profile.h"

namespace tsy {

namespace {

constexpr std::u16string_view kSection = u"InitialView";

int32_t SaneFontSize(int32_t size) {
    return size < kMinFontSize || size > kMaxFontSize ? kDefaultFontSize : size;
}

}  // namespace

void CEncoderDoc::LoadSettings() {
    // Values are taken as they are, as the registry held them: no range checks.
    std::u16string font;
    {
        const ProfileSection profile(kSection);
        m_CrLfStyle = static_cast<EnterMode>(profile.GetInt(u"CrLfStyle", 0));
        m_ViewStyle = static_cast<MarkupStyle>(profile.GetInt(u"ViewStyle", 0));
        m_CapPosition = profile.GetInt(u"CapPosition", kCaptionBelow);
        m_DefaultExt = profile.GetString(u"DefaultExt", u"bmp");
        font = profile.GetString(u"Font", u"");
    }
    ApplyFontDescription(font);
}

void CEncoderDoc::SaveSettings() {
    WriteProfileInt(kSection, u"CrLfStyle", static_cast<int>(m_CrLfStyle));
    WriteProfileInt(kSection, u"ViewStyle", static_cast<int>(m_ViewStyle));
    WriteProfileInt(kSection, u"CapPosition", m_CapPosition);
    WriteProfileString(kSection, u"DefaultExt", m_DefaultExt);
    WriteProfileString(kSection, u"Font", FontDescription());
}

std::u16string CEncoderDoc::FontDescription() {
    m_FontSize = SaneFontSize(m_FontSize);
    return FormatFontDescription(m_Font.logFont(), m_FontSize);
}

void CEncoderDoc::ApplyFontDescription(std::u16string_view description) {
    const ParsedFontDescription parsed = ParseFontDescription(description);
    if (parsed.fieldsRead == 0) {
        ResetFontFromFace();
        return;
    }
    const FontDescriptionFields& f = parsed.font;
    m_FontSize = SaneFontSize(f.size);
    LogFont lf;
    lf.height = m_FontSize;  // tenths of a point for the point-font creation
    lf.weight = f.weight;
    lf.italic = f.italic;
    lf.underline = f.underline;
    lf.strikeOut = f.strikeOut;
    lf.charSet = static_cast<uint8_t>(f.charSet);
    lf.faceName = f.face;
    m_Font = Font::CreatePointFontIndirect(lf);
}

void CEncoderDoc::ResetFontFromFace() {
    m_Font = Font::CreatePointFont(m_FontSize, m_FontFace);
}

}  // namespace tsy
