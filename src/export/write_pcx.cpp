// ZSoft PCX version 5: three 8-bit planes (red, green, blue) per scan line, run-length encoded.
// Runs stop at the end of each plane's line, which every reader accepts.
#include "export/image_writers.h"
#include "platform/le_bytes.h"

namespace tsy {
namespace {

void EncodeLine(const std::string& line, std::string& out) {
    std::size_t i = 0;
    while (i < line.size()) {
        const char value = line[i];
        std::size_t run = 1;
        while (i + run < line.size() && run < 63 && line[i + run] == value) ++run;
        // A single byte below 0xC0 stands for itself; anything else needs a count byte.
        if (run > 1 || (static_cast<uint8_t>(value) & 0xC0) == 0xC0) {
            out.push_back(static_cast<char>(0xC0 | run));
        }
        out.push_back(value);
        i += run;
    }
}

std::string Header(const RgbImage& picture, uint32_t bytesPerLine) {
    std::string head;
    head.push_back(0x0A);  // ZSoft
    head.push_back(5);     // version 3.0 and later
    head.push_back(1);     // run-length encoding
    head.push_back(8);     // bits per pixel per plane
    PutLe16(head, 0);
    PutLe16(head, 0);
    PutLe16(head, static_cast<uint32_t>(picture.width - 1));
    PutLe16(head, static_cast<uint32_t>(picture.height - 1));
    PutLe16(head, 96);
    PutLe16(head, 96);
    head.append(48, '\0');  // EGA palette, unused at 24 bits
    head.push_back(0);
    head.push_back(3);  // planes
    PutLe16(head, bytesPerLine);
    PutLe16(head, 1);  // colour
    PutLe16(head, 0);
    PutLe16(head, 0);
    head.append(54, '\0');
    return head;
}

}  // namespace

bool WritePcx(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    // Each plane's line has an even number of bytes.
    const uint32_t bytesPerLine = (static_cast<uint32_t>(picture.width) + 1) & ~1u;
    const std::string head = Header(picture, bytesPerLine);
    if (!out.Write(head.data(), head.size())) return false;
    std::string plane(bytesPerLine, '\0');
    std::string encoded;
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* in = picture.row(y);
        encoded.clear();
        for (int c = 0; c < 3; ++c) {
            for (int x = 0; x < picture.width; ++x) plane[x] = static_cast<char>(in[3 * x + c]);
            EncodeLine(plane, encoded);
        }
        if (!out.Write(encoded.data(), encoded.size())) return false;
    }
    return true;
}

}  // namespace tsy
