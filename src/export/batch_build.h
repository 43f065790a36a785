// Build Multiple Symbols: every line of a list becomes one symbol of the document, written to
// its own file, with a log of the lines whose translation lost characters. No window here: the
// page (or the command line) supplies the file dialog and shows the progress.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "export/batch_lines.h"
#include "message/markup.h"

namespace tsy {

class CEncoderDoc;
class MessageSink;

enum class BatchNaming : int { MaskAndNumber = 0, Message = 1 };

struct BatchSettings {
    std::u16string mask;       // full path of the output files
    std::u16string extension;  // the one last chosen in the file dialog, without dot
    MarkupStyle style = MarkupStyle::Bracket;
    BatchNaming naming = BatchNaming::Message;
    bool captionFromMessage = false;
    // Symbols built at once; 0: one per core. Files, names and log are the same for any count.
    unsigned threads = 1;
    // Every written symbol is read back; the log names the lines whose symbol does not read.
    bool verify = false;
};

struct BatchCallbacks {
    MessageSink* sink = nullptr;  // null: stderr
    // position from 0 to count - 1, and the status text; called in line order.
    std::function<void(std::size_t position, std::size_t count, std::u16string_view status)>
        progress;
    // The file dialog: sets mask and extension; false when cancelled. Empty: cancelled.
    std::function<bool(BatchSettings& settings)> chooseOutputFile;
    // Asked before each line; true stops the run after the symbols already on their way.
    std::function<bool()> cancelled;
};

enum class BatchResult {
    Created,      // every kept line was written ("%d Symbols Created" or "... inaccurate")
    Aborted,      // file dialog cancelled
    LogFailed,    // the log could not be created
    NoData,       // no line to build
    MaskMissing,  // numbered names and no name part in the mask
    WriteFailed,  // a symbol was not built or not written; the run stopped there
    Cancelled,    // the user stopped the run; the log ends with the count written
};

struct BatchOutcome {
    BatchResult result = BatchResult::Aborted;
    std::u16string status;  // the page's status text; unchanged where the run leaves it
    std::size_t lines = 0;  // kept lines
    std::size_t inaccurate = 0;
    std::size_t skipped = 0;  // lines at or over the document's message length
    std::size_t written = 0;
    std::size_t unreadable = 0;  // written, but the reader did not read them back (verify)
    std::filesystem::path log;
};

// Runs the build over lines. The document's message, caption, style and picture are as before
// when it returns, whatever happened; settings.mask and extension may be set by the dialog.
BatchOutcome RunBatchBuild(CEncoderDoc& doc, BatchSettings& settings, BatchLines& lines,
                           const BatchCallbacks& callbacks);

// The same over the page's batch text.
BatchOutcome RunBatchBuild(CEncoderDoc& doc, BatchSettings& settings, std::u16string_view text,
                           const BatchCallbacks& callbacks);

// Import From File: the file's text as batch text (the caller also sets it as the document's
// message). False after the message "Bad File" when the file cannot be read.
bool ImportBatchFile(const std::filesystem::path& path, MarkupStyle style, MessageSink* sink,
                     std::u16string* text);

// The log of a run: the mask with the extension "log", or Tessaly.log beside it when the mask
// has no name part.
std::filesystem::path BatchLogPath(const std::filesystem::path& mask);

// The status texts the run ends with.
std::u16string CreatedStatus(std::size_t lines, std::size_t inaccurate);

}  // namespace tsy
