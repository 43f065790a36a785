#include "export/grey_image.h"

namespace tsy {

GreyImage ToGrey(const RgbImage& picture, int margin) {
    GreyImage grey;
    if (picture.empty()) return grey;
    grey.width = picture.width + 2 * margin;
    grey.height = picture.height + 2 * margin;
    grey.pixels.assign(static_cast<std::size_t>(grey.width) * static_cast<std::size_t>(grey.height),
                       255);
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* in = picture.row(y);
        uint8_t* out = grey.pixels.data() +
                       static_cast<std::size_t>(y + margin) * static_cast<std::size_t>(grey.width) +
                       static_cast<std::size_t>(margin);
        for (int x = 0; x < picture.width; ++x, in += 3) out[x] = GreyLevel(in[0], in[1], in[2]);
    }
    return grey;
}

}  // namespace tsy
