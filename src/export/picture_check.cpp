#include "export/image_writers.h"
#include "imaging/raster_limits.h"

namespace tsy {

bool CheckPicture(const RgbImage& picture, std::string* error) {
    if (!PictureSizeOk(picture.width, picture.height)) {
        if (error) *error = "The picture is empty or too large.";
        return false;
    }
    if (picture.pixels.size() < picture.rowBytes() * static_cast<std::size_t>(picture.height)) {
        if (error) *error = "The picture lacks pixel data.";
        return false;
    }
    return true;
}

bool CheckPicture(const Bitmap1& picture, std::string* error) {
    if (!PictureSizeOk(picture.width, picture.height)) {
        if (error) *error = "The picture is empty or too large.";
        return false;
    }
    if (picture.bits.size() <
        static_cast<std::size_t>(picture.stride()) * static_cast<std::size_t>(picture.height)) {
        if (error) *error = "The picture lacks pixel data.";
        return false;
    }
    return true;
}

}  // namespace tsy
