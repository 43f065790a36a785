// The process-wide font engine behind text_render: fontconfig look-ups and opened FreeType
// faces, both kept for the life of the process; FreeType's functions come from Freetype().
// Everything here runs under FaceCacheMutex().
#pragma once

#include <mutex>

#include "platform/font_libraries.h"

#include "platform/font.h"
#include "platform/text_render.h"

namespace tsy::detail {

std::mutex& FaceCacheMutex();

struct OpenedFace {
    FT_Face face = nullptr;      // null: no face could be opened at all
    bool syntheticBold = false;  // bold asked for, the face file is not bold
    bool syntheticItalic = false;
    ResolvedFace info;
};

// Finds and opens the face a LogFont draws with; the caller holds FaceCacheMutex().
const OpenedFace& OpenFace(const LogFont& lf);

}  // namespace tsy::detail
