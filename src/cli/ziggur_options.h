// The Ziggur options of a producer run: /host, /hostmessage, /symmetry and /barrier.
#pragma once

#include <string>

#include "cli/command_line_info.h"
#include "document/command_line_options.h"

namespace tsy {

// Fills the Ziggur fields of options from info; absent options leave them unset. Returns the
// usage error for a value outside its choices, empty when all are fine.
std::string ReadZiggurOptions(const CCommandLineInfoEx& info, CommandLineOptions* options);

}  // namespace tsy
