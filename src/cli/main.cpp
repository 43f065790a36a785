// tessaly: builds one symbol from its command line and writes it to a file.
#include <iostream>

#include "cli/command_line_info.h"
#include "cli/help_texts.h"
#include "cli/producer.h"
#include "platform/message_sink.h"

int main(int argc, char** argv) {
    tsy::CCommandLineInfoEx info;
    info.ParseArguments(argc, argv);
    tsy::StderrMessageSink sink;
    const tsy::ProducerOutcome outcome = tsy::ProduceFromCommandLine(info, sink, std::cout);
    if (outcome.attempted) return outcome.exitStatus;
    // No symbol options and no window to start: show what the program accepts.
    std::cerr << tsy::FullHelpText();
    return tsy::kExitUsage;
}
