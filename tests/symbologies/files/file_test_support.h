// Base sections written field by field the way older program versions wrote them.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "document/archive.h"
#include "support/private_profile.h"
#include "support/test_files.h"

namespace tsy::test {

// The base section as a file holds it; fields after the version are written as far as the
// version had them.
struct BaseFields {
    std::u16string message = u"ABC";
    std::u16string caption;
    int32_t capPosition = 1;
    int32_t fontSize = 100;
    int32_t elementWidth = 10;
    int32_t elementHeight = 500;
    int32_t symbolWidth = 250;
    int32_t symbolHeight = 500;
    int32_t moduleColumns = 0;
    int32_t moduleRows = 1;
    float wideRatio = 2.5f;
    int32_t undercut = 0;
    int32_t pictureWidth = 1;
    int32_t pictureHeight = 1;
    bool pictureBits = true;  // false: W and H only, as a file cut short there
    int32_t version = 301;
    int32_t codepage = 0;
    int32_t eci = -1;
    int32_t useEci = 0;
    int32_t viewStyle = 0;
    bool addMessage = false;
    int32_t crLfStyle = 0;
    std::u16string font;

    void Write(CArchive& ar) const {
        ar << message << caption << capPosition << fontSize << elementWidth << elementHeight;
        ar << symbolWidth << symbolHeight << moduleColumns << moduleRows << wideRatio << undercut;
        ar << pictureWidth << pictureHeight;
        const int64_t stride = (int64_t{pictureWidth} + 15) / 16 * 2;
        if (pictureBits && pictureWidth > 0 && pictureHeight > 0) {
            const std::string white(static_cast<std::size_t>(stride * pictureHeight), '\xFF');
            ar.WriteBytes(white.data(), white.size());
        }
        ar << version;
        if (version >= 200) ar << codepage << eci << useEci;
        if (version >= 300) {
            ar << viewStyle;
            ar.WriteFlag(addMessage);
            ar << crLfStyle << std::u16string_view(font);
        }
    }
};

}  // namespace tsy::test
