// The command-line symbol producer: options in, one symbol file out, no window.
#pragma once

#include <cstdio>

#include "cli/command_line_info.h"

namespace tsy {

class MessageSink;

// Exit statuses: the file was written; the symbol could not be built or written; the command
// line itself was wrong (unknown option, symbology or code page, missing message, bad input
// file); the file was written but the code page could not hold the whole message; the file was
// written but (with /verify) the reader did not read the symbol back.
inline constexpr int kExitWritten = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitDataLoss = 3;
inline constexpr int kExitNotReadable = 4;

// The resolutions /dpi takes.
inline constexpr int kMinDpi = 72;
inline constexpr int kMaxDpi = 2400;

struct ProducerOutcome {
    bool attempted = false;  // false: no symbol options, the caller starts the window
    int exitStatus = kExitUsage;
};

// Runs the producer; messages go to sink, the help text to out. A C stream rather than an
// iostream: the iostream objects cost every run their start-up, and only /help writes here.
ProducerOutcome ProduceFromCommandLine(const CCommandLineInfoEx& info, MessageSink& sink,
                                       std::FILE* out);

}  // namespace tsy
