// What the file writers need from a document, and the one entry that writes a file by its name.
#pragma once

#include <filesystem>
#include <string>

#include "platform/bitmap.h"

namespace tsy {

struct VectorPicture;

struct ExportSource {
    // The document's picture (symbol and captions) at its own depth; null when nothing is built
    // or when mono holds it.
    const RgbImage* picture = nullptr;
    // The picture at one bit (0 black, 1 white) when the document keeps it so; PNG, TIFF and
    // GIF are written from it directly, the other writers from its RGB form.
    const Bitmap1* mono = nullptr;
    // MessageBytes: counted, any byte value including 0x00.
    std::string messageBytes;
    std::u16string caption;
    // Codepage as the document stores it (0 = the symbology's default, written as such).
    int codepage = 0;
    // Name of codepage in the code-page table (first row with that number); empty for none,
    // which the C++ header writes as "not_supported".
    std::u16string codepageName;
    bool useEci = false;
    int eci = 0;
    // HorizontalScale of the document; the metafile draws the picture at 1 / this width.
    int horizontalScale = 1;
    // Resolution of the picture in pixels per inch: the metafile's units per inch, and the
    // vector writers' when there is no vector picture.
    int dpiX = 96;
    // The document's symbol and captions for the vector writers; null: they draw the picture's
    // dark pixels at dpiX.
    const VectorPicture* vector = nullptr;
};

// Chooses the writer by name: ".WMF" anywhere in the upper-cased path writes a placeable
// metafile, else ".CPP" anywhere writes a C++ header and source pair, else the vector or image
// format of the lower-cased extension of the last path component. False (with *message) when
// nothing was written; an existing file is then left as it was.
bool ExportToFile(const ExportSource& source, const std::filesystem::path& path,
                  std::string* message);

}  // namespace tsy
