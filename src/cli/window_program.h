// Without symbol options `tessaly` hands its command line to the window program when there is
// a display to open it on; the producer itself never loads Qt.
#pragma once

namespace tsy {

// DISPLAY or WAYLAND_DISPLAY is set and not empty.
bool DisplayAvailable();

// Replaces the process by tessaly-gui with the same arguments: the one beside the running
// executable first, then the first in PATH. Returns only when neither could be started.
void ExecWindowProgram(char** argv);

}  // namespace tsy
