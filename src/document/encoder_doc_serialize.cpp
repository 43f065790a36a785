#include "document/encoder_doc_serialize.h"

#include "document/archive_fields.h"
#include "document/archive_picture.h"
#include "document/encoder_doc.h"
#include "document/font_description.h"
#include "document/mils.h"
#include "imaging/raster_limits.h"
#include "platform/bitmap_ops.h"
#include "platform/screen.h"

namespace tsy {
namespace {

// Fixed replacements for out-of-range values read from a file.
constexpr int32_t kFallbackElementSize = 10;
constexpr float kFallbackWideRatio = 2.5f;
constexpr int32_t kMaxElementSize = 1000;
constexpr int32_t kMaxUndercut = 20;
constexpr int32_t kMaxEci = 999999;
constexpr int32_t kLastMarkupStyle = static_cast<int32_t>(MarkupStyle::Binary);
constexpr int32_t kLastEnterMode = static_cast<int32_t>(EnterMode::Lf);

// A bar height the builds can turn into a raster at this screen's resolution.
int32_t SaneSymbolHeight(int32_t mils, int32_t fallback) {
    return mils >= 1 && PixelSizeFits(MilsToPixels(ScreenDpiY(), mils)) ? mils : fallback;
}

void ReadSizes(CArchive& ar, CEncoderDoc& doc) {
    doc.m_CapPosition = ReadInt32InRange(ar, kCaptionAbove, kCaptionRight, kCaptionBelow);
    doc.m_FontSize = ReadInt32InRange(ar, kMinFontSize, kMaxFontSize, kDefaultFontSize);
    doc.m_ElementWidth = ReadInt32InRange(ar, 1, kMaxElementSize, kFallbackElementSize);
    doc.m_ElementHeight = ReadInt32InRange(ar, 1, kMaxElementSize, kFallbackElementSize);
    doc.m_SymbolWidth = ar.ReadInt32();
    doc.m_SymbolHeight = SaneSymbolHeight(ar.ReadInt32(), doc.Type().defaults.symbolHeight);
    doc.m_ModuleColumns = ar.ReadInt32();
    doc.m_ModuleRows = ar.ReadInt32();
    doc.m_WideRatio = ReadFloatInRange(ar, 1.1f, 20.0f, kFallbackWideRatio);
    doc.m_Undercut = ReadInt32InRange(ar, 0, kMaxUndercut, 0);
}

// What a file without the later fields means.
void ResetVersionedFields(CEncoderDoc& doc, std::u16string& font) {
    doc.m_Version = 0;
    doc.m_ViewStyle = MarkupStyle::Bracket;
    doc.m_Codepage = 0;
    doc.m_Eci = -1;
    doc.m_UseEci = 0;
    doc.m_AddMessage = false;
    doc.m_CrLfStyle = EnterMode::CrLf;
    font.clear();
}

void ReadVersionedFields(CArchive& ar, CEncoderDoc& doc, std::u16string& font) {
    ReadGuarded([&] {
        doc.m_Version = ar.ReadInt32();
        if (doc.m_Version >= kVersionWithCodepage) {
            doc.m_Codepage = ar.ReadInt32();
            doc.m_Eci = ReadInt32InRange(ar, -1, kMaxEci, -1);
            doc.m_UseEci = ar.ReadInt32();
        }
        if (doc.m_Version >= kVersionWithViewStyle) {
            doc.m_ViewStyle =
                static_cast<MarkupStyle>(ReadInt32InRange(ar, 0, kLastMarkupStyle, 0));
            doc.m_AddMessage = ar.ReadFlag();
            doc.m_CrLfStyle = static_cast<EnterMode>(ReadInt32InRange(ar, 0, kLastEnterMode, 0));
            font = ar.ReadText();
        }
    });
}

// The file pads each row with zero bits; the one-bit copy may hold white there.
void ClearRowPadding(Bitmap1& picture) {
    const int padBits = picture.stride() * 8 - picture.width;
    if (padBits <= 0 || picture.bits.size() < static_cast<std::size_t>(picture.stride()) *
                                                  static_cast<std::size_t>(picture.height))
        return;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = picture.width; x < picture.stride() * 8; ++x) picture.setBlack(x, y, true);
    }
}

}  // namespace

std::u16string StoredFontDescription(const CEncoderDoc& doc) {
    return FormatFontDescription(doc.m_Font.logFont(), InRangeOr(doc.m_FontSize, kMinFontSize,
                                                                 kMaxFontSize, kDefaultFontSize));
}

void StoreEncoderDocBase(CArchive& ar, const CEncoderDoc& doc) {
    ar << doc.m_Message << doc.m_Caption;
    ar << doc.m_CapPosition << doc.m_FontSize << doc.m_ElementWidth << doc.m_ElementHeight;
    ar << doc.m_SymbolWidth << doc.m_SymbolHeight << doc.m_ModuleColumns << doc.m_ModuleRows;
    ar << doc.m_WideRatio << doc.m_Undercut;
    Bitmap1 picture;
    const bool hasPicture = doc.m_Picture.CopyMonochrome(picture);
    if (hasPicture) ClearRowPadding(picture);
    WritePicture(ar, hasPicture ? &picture : nullptr);
    ar << kDocumentVersion << doc.m_Codepage << doc.m_Eci << doc.m_UseEci;
    ar << static_cast<int32_t>(doc.m_ViewStyle);
    ar.WriteFlag(doc.m_AddMessage);
    ar << static_cast<int32_t>(doc.m_CrLfStyle);
    ar << StoredFontDescription(doc);
}

bool LoadEncoderDocBase(CArchive& ar, CEncoderDoc& doc) {
    ar >> doc.m_Message >> doc.m_Caption;
    ReadSizes(ar, doc);

    std::optional<Bitmap1> picture = ReadPicture(ar);
    if (!picture || !PictureSizeOk(picture->width, picture->height)) return false;
    doc.m_Picture.Attach(Bitmap1ToRgb(*picture));
    doc.ForgetLastBuild();  // the file's picture, not one this program built
    picture.reset();

    std::u16string font;
    ResetVersionedFields(doc, font);
    ReadVersionedFields(ar, doc, font);
    doc.ApplyFontDescription(font);

    // Only older documents kept control characters raw in the message; newer messages are
    // already markup, and formatting them again would change them (C-style backslashes).
    if (doc.m_Version < kVersionWithViewStyle)
        doc.m_Message = FormatImportedText(doc.m_Message, doc.m_ViewStyle);
    return true;
}

}  // namespace tsy
