// tessaly-gui's start-up: symbol options run the producer without a window; otherwise the main
// window opens with the document files named on the command line.
#pragma once

namespace tsy::gui {

int RunWindowProgram(int argc, char** argv);

}  // namespace tsy::gui
