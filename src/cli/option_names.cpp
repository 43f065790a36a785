#include "cli/option_names.h"
#include "platform/ascii_case.h"

#include <string_view>

namespace tsy {
namespace {

constexpr std::string_view kOptionNames[] = {
    "help",    "version",   "ofile",   "ifile",    "symbol",   "addcaption",  "caption",
    "message", "xelement",  "ysize",   "fontsize", "codepage", "addmessage",  "eci",
    "symbols", "frametime", "loops",   "appendid", "defext",   "fnc3trail",   "fnc3lead",
    "batch",   "namemode",  "threads", "qrmodel",  "host",     "hostmessage", "symmetry",
    "barrier", "dpi",       "verify"};

// One letter replaced, added or left out.
bool OneEditApart(std::string_view a, std::string_view b) {
    if (a.size() < b.size()) std::swap(a, b);
    if (a.size() - b.size() > 1) return false;
    std::size_t i = 0;
    while (i < b.size() && a[i] == b[i]) ++i;
    const std::size_t skipB = a.size() == b.size() ? 1 : 0;
    return a.substr(i + 1) == b.substr(std::min(b.size(), i + skipB));
}

bool IsKnown(std::string_view name) {
    for (std::string_view known : kOptionNames)
        if (name == known) return true;
    return false;
}

}  // namespace

std::string CheckOptionNames(const CCommandLineInfoEx& info) {
    for (const auto& [name, value] : info.params()) {
        if (IsKnown(name)) continue;
        std::string text = "Unknown option /" + name + ".";
        for (std::string_view known : kOptionNames) {
            if (EqualsIgnoringCase(name, known) || OneEditApart(name, known)) {
                text += " Did you mean /" + std::string(known) + "?";
                break;
            }
        }
        return text;
    }
    return {};
}

}  // namespace tsy
