// A picture that shows every writer's row order, channel order and padding.
#pragma once

#include "platform/bitmap.h"

namespace tsy::test {

// A black-and-white symbol-like picture with 3-pixel modules and a coloured stripe down its
// right edge when colour is set.
RgbImage TestPicture(int width, int height, bool colour);

}  // namespace tsy::test
