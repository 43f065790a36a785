// A stand-in document shaped like the real ones (a type section, then base-section fields with
// a picture, a version and a guarded block), used to drive the file layer end to end.
#pragma once

#include <cstdint>
#include <string>

#include "document/archive_fields.h"
#include "document/archive_picture.h"

namespace tsy::test {

struct SampleDocument {
    int32_t level = 4;
    bool truncate = false;
    std::u16string message;
    int32_t elementWidth = 25;
    float wideRatio = 2.5f;
    Bitmap1 picture;
    int32_t version = kDocumentVersion;
    int32_t codepage = 0;
    int32_t eci = -1;
    std::u16string font;

    void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar << level;
            WriteInt32Flag(ar, truncate);
            ar << message << elementWidth << wideRatio;
            WritePicture(ar, &picture);
            ar << kDocumentVersion << codepage << eci << font;
            return;
        }
        level = ReadInt32InRange(ar, 0, 8, 4);
        truncate = ReadInt32Flag(ar);
        ar >> message;
        elementWidth = ReadInt32InRange(ar, 1, 1000, 10);
        wideRatio = ReadFloatInRange(ar, 1.1f, 20.0f, 2.5f);
        auto bits = ReadPicture(ar);
        if (!bits) return;
        picture = std::move(*bits);
        version = 0;
        codepage = 0;
        eci = -1;
        font.clear();
        ReadGuarded([&] {
            ar >> version;
            if (version >= kVersionWithCodepage) {
                codepage = ar.ReadInt32();
                eci = ReadInt32InRange(ar, -1, 999999, -1);
            }
            if (version >= kVersionWithViewStyle) ar >> font;
        });
    }
};

}  // namespace tsy::test
