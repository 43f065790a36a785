#include "cli/ziggur_options.h"

#include "cli/utf8.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {
namespace {

// In the order of the document's host choices.
constexpr const char* kHostNames[] = {"C39", "EAN", "ITF", "ITFB", "C93", "C128"};

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// A value that is one of the digits 0..last exactly; -1 otherwise.
int32_t Choice(const std::string& text, int32_t last) {
    if (text.size() != 1 || text[0] < '0' || text[0] - '0' > last) return -1;
    return text[0] - '0';
}

}  // namespace

std::string ReadZiggurOptions(const CCommandLineInfoEx& info, CommandLineOptions* options) {
    if (info.Has("host")) {
        const std::string name = Upper(info.Text("host"));
        for (int32_t i = 0; i <= kZiggurLastHost; ++i)
            if (name == kHostNames[i]) options->hostSymbology = i;
        if (options->hostSymbology < 0)
            return "Host symbology unknown:\r\n" + name +
                   "\r\nUse C39, EAN, ITF, ITFB, C93 or C128.";
    }
    if (info.Has("hostmessage")) options->hostMessage = Utf8ToUtf16(info.Text("hostmessage"));
    if (info.Has("symmetry")) {
        options->symmetry = Choice(info.Text("symmetry"), ziggur::kZiggurDoubleEven);
        if (options->symmetry < 0) return "/symmetry takes 0, 1 or 2.";
    }
    if (info.Has("barrier")) {
        options->barrierRows = Choice(info.Text("barrier"), 1);
        if (options->barrierRows < 0) return "/barrier takes 0 or 1.";
    }
    return {};
}

}  // namespace tsy
