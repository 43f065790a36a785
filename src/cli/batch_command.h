// `tessaly /symbol=... /batch=LIST /ofile=MASK`: the batch build without a window.
#pragma once

#include "cli/command_line_info.h"
#include "cli/producer.h"

namespace tsy {

class CEncoderDoc;
class MessageSink;

// Runs the batch over the lines of /batch with doc's options (already applied). Exit status:
// 0 all written, 3 all written but some lost characters, 1 a line skipped or a symbol not
// written, 2 no /ofile or an unreadable list; with verify, 4 when a written symbol did not read
// back (after 1, before 3).
ProducerOutcome ProduceBatch(CEncoderDoc& doc, const CCommandLineInfoEx& info, MessageSink& sink,
                             bool verify = false);

}  // namespace tsy
