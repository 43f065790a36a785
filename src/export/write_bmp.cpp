// 24-bit BMP: BITMAPFILEHEADER, BITMAPINFOHEADER, rows bottom up in BGR, padded to 4 bytes.
#include "export/image_writers.h"
#include "imaging/dib_header.h"
#include "platform/le_bytes.h"

namespace tsy {

bool WriteBmp(const RgbImage& picture, ByteSink& out, std::string* error) {
    if (!CheckPicture(picture, error)) return false;
    const uint32_t stride = DibStride24(picture.width);
    const uint32_t imageBytes = stride * static_cast<uint32_t>(picture.height);
    std::string head;
    head += "BM";
    PutLe32(head, 54 + imageBytes);
    PutLe32(head, 0);
    PutLe32(head, 54);
    PutDibHeader24(head, picture.width, picture.height, 3780);  // 96 dpi in pixels per metre
    if (!out.Write(head.data(), head.size())) return false;
    return WriteBgrRowsBottomUp(picture, out, stride);
}

bool WriteBgrRowsBottomUp(const RgbImage& picture, ByteSink& out, std::size_t rowBytes) {
    std::string row(rowBytes, '\0');
    for (int y = picture.height - 1; y >= 0; --y) {
        const uint8_t* in = picture.row(y);
        for (int x = 0; x < picture.width; ++x) {
            row[3 * x] = static_cast<char>(in[3 * x + 2]);
            row[3 * x + 1] = static_cast<char>(in[3 * x + 1]);
            row[3 * x + 2] = static_cast<char>(in[3 * x]);
        }
        if (!out.Write(row.data(), row.size())) return false;
    }
    return true;
}

}  // namespace tsy
