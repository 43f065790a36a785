// Truevision TGA: uncompressed true colour (type 2), 24 bits BGR, rows bottom up, with the
// version 2 footer so readers can tell the file by its contents.
#include "export/image_writers.h"
#include "platform/le_bytes.h"

namespace tsy {

bool WriteTga(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    std::string head;
    head.push_back(0);     // no image ID
    head.push_back(0);     // no colour map
    head.push_back(2);     // uncompressed true colour
    head.append(5, '\0');  // colour map description
    PutLe16(head, 0);      // x origin
    PutLe16(head, 0);      // y origin
    PutLe16(head, static_cast<uint32_t>(picture.width));
    PutLe16(head, static_cast<uint32_t>(picture.height));
    head.push_back(24);
    head.push_back(0);  // bottom-left origin, no alpha bits
    if (!out.Write(head.data(), head.size())) return false;
    if (!WriteBgrRowsBottomUp(picture, out, picture.rowBytes())) return false;
    std::string footer;
    PutLe32(footer, 0);  // no extension area
    PutLe32(footer, 0);  // no developer directory
    footer += "TRUEVISION-XFILE.";
    footer.push_back('\0');
    return out.Write(footer.data(), footer.size());
}

}  // namespace tsy
