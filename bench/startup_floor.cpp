// A program that does nothing, linked as the producer is: what process start-up and the C++
// runtime cost before any of our work. bench/compare_zint.sh sets it beside zint's runs.
#include <string>

int main(int argc, char** argv) {
    // A string built at run time, so the runtime's own code is used, as any C++ program does.
    const std::string name(argc > 0 ? argv[0] : "");
    return name.empty() ? 1 : 0;
}
