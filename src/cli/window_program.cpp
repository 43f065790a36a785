#include "cli/window_program.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace tsy {
namespace {

constexpr char kWindowProgram[] = "tessaly-gui";

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// The folder of /proc/self/exe, so an uninstalled build starts its own window program rather
// than an installed one.
std::string OwnFolder() {
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    const std::string path(buffer, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool DisplayAvailable() {
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

void ExecWindowProgram(char** argv) {
    const std::string beside = OwnFolder() + kWindowProgram;
    char* const self = argv[0];
    argv[0] = const_cast<char*>(beside.c_str());
    if (beside.size() > sizeof kWindowProgram - 1) execv(beside.c_str(), argv);
    argv[0] = const_cast<char*>(kWindowProgram);
    execvp(kWindowProgram, argv);
    argv[0] = self;
}

}  // namespace tsy
