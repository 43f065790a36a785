#include "document/archive_picture.h"

#include <cstring>

namespace tsy {

void WritePicture(CArchive& ar, const Bitmap1* picture) {
    if (!picture || picture->empty() ||
        picture->bits.size() < static_cast<std::size_t>(picture->stride()) *
                                   static_cast<std::size_t>(picture->height)) {
        ar.WriteInt32(1);
        ar.WriteInt32(1);
        ar.WriteByte(0);
        ar.WriteByte(0);
        return;
    }
    ar.WriteInt32(picture->width);
    ar.WriteInt32(picture->height);
    ar.WriteBytes(picture->bits.data(), static_cast<std::size_t>(picture->stride()) *
                                            static_cast<std::size_t>(picture->height));
}

std::optional<Bitmap1> ReadPicture(CArchive& ar) {
    const int32_t w = ar.ReadInt32();
    const int32_t h = ar.ReadInt32();
    if (w < 1 || h < 1 || w > kMaxPictureSide || h > kMaxPictureSide) return std::nullopt;
    Bitmap1 picture;
    picture.width = w;
    picture.height = h;
    const std::size_t size =
        static_cast<std::size_t>(picture.stride()) * static_cast<std::size_t>(h);
    const std::string_view bits = ar.ReadBytes(size);  // throws before the allocation below
    picture.bits.assign(bits.begin(), bits.end());
    return picture;
}

}  // namespace tsy
