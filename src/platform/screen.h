// The screen's logical resolution: 96 x 96 dpi without a display; the GUI sets the screen's.
#pragma once

#include <cstdint>

namespace tsy {

inline constexpr int kHeadlessDpi = 96;

int ScreenDpiX();
int ScreenDpiY();

// Process-wide; values below 1 restore the headless resolution.
void SetScreenDpi(int dpiX, int dpiY);

// a * b / c rounded half away from zero with a 64-bit intermediate; -1 when c is 0 or the
// result does not fit in an int, as the Windows call does.
int MulDiv(int a, int b, int c);

}  // namespace tsy
