#include "test_picture.h"

#include <cstdint>

namespace tsy::test {

RgbImage TestPicture(int width, int height, bool colour) {
    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(image.rowBytes() * static_cast<std::size_t>(height), 255);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int mx = x / 3, my = y / 3;
            // An asymmetric pattern: a finder-like corner at the top left plus a hash.
            const bool corner = mx < 3 && my < 3 && !(mx == 1 && my == 1);
            const bool dark = corner || ((mx * 7 + my * 13 + mx * my) % 5 < 2);
            uint8_t* p = image.row(y) + 3 * x;
            if (dark) p[0] = p[1] = p[2] = 0;
            if (colour && x >= width - 2) {
                p[0] = 200;
                p[1] = 30;
                p[2] = static_cast<uint8_t>(y * 255 / (height > 1 ? height - 1 : 1));
            }
        }
    }
    return image;
}

}  // namespace tsy::test
