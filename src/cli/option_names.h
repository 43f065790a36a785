// The option names the producer reads; anything else on the command line is a mistake.
#pragma once

#include <string>

#include "cli/command_line_info.h"

namespace tsy {

// Empty when every option name is known; else "Unknown option /NAME." for the first unknown
// one, with "Did you mean /NAME?" when a known name differs only in case or by one letter.
std::string CheckOptionNames(const CCommandLineInfoEx& info);

}  // namespace tsy
