// printf-style formatting into a std::string, for texts whose wording is given as a format.
#pragma once

#include <cstdarg>
#include <string>

namespace tsy {

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list args);

}  // namespace tsy
