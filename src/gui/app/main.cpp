// tessaly-gui: the window program; with symbol options it builds one symbol without a window.
#include "gui/app/start_up.h"

int main(int argc, char** argv) {
    return tsy::gui::RunWindowProgram(argc, argv);
}
