// tessaly: builds one symbol from its command line and writes it to a file.
#include <cstdio>

#include "cli/command_line_info.h"
#include "cli/help_texts.h"
#include "cli/producer.h"
#include "cli/utf8.h"
#include "cli/window_program.h"
#include "platform/message_sink.h"

namespace {

// One message a line on stderr; the line breaks of a message box become real line breaks.
class CommandLineSink final : public tsy::MessageSink {
public:
    void Show(std::u16string_view text, tsy::MessageKind) override {
        std::string line = tsy::Utf16ToUtf8(text);
        for (std::size_t p; (p = line.find("\r\n")) != std::string::npos;) line.erase(p, 1);
        line += '\n';
        std::fputs(line.c_str(), stderr);
    }
};

}  // namespace

int main(int argc, char** argv) {
    tsy::CCommandLineInfoEx info;
    info.ParseArguments(argc, argv);
    CommandLineSink sink;
    const tsy::ProducerOutcome outcome = tsy::ProduceFromCommandLine(info, sink, stdout);
    if (outcome.attempted) return outcome.exitStatus;
    if (tsy::DisplayAvailable()) tsy::ExecWindowProgram(argv);
    // No symbol options and no window to start: show what the program accepts.
    std::fputs(tsy::FullHelpText().c_str(), stderr);
    return tsy::kExitUsage;
}
