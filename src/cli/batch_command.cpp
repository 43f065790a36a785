#include "cli/batch_command.h"

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "cli/utf8.h"
#include "document/encoder_doc.h"
#include "export/batch_build.h"
#include "platform/message_sink.h"

namespace tsy {
namespace {

// One line on a terminal, redrawn a few times a second: a million lines must not mean a
// million writes.
class ProgressLine {
public:
    ProgressLine() : enabled_(isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() {
        if (drawn_) {
            std::fputs("\r\033[K", stderr);
            std::fflush(stderr);
        }
    }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void Show(std::size_t position, std::size_t count, std::u16string_view status) {
        if (!enabled_) return;
        const auto now = std::chrono::steady_clock::now();
        if (drawn_ && now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        drawn_ = true;
        std::fprintf(stderr, "\r\033[K%zu/%zu %s", position + 1, count,
                     Utf16ToUtf8(status).c_str());
        std::fflush(stderr);
    }

private:
    bool enabled_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point last_;
};

ProducerOutcome Fail(MessageSink& sink, int status, const std::string& text) {
    ShowMessage(&sink, Utf8ToUtf16(text), MessageKind::Warning);
    return {true, status};
}

}  // namespace

ProducerOutcome ProduceBatch(CEncoderDoc& doc, const CCommandLineInfoEx& info, MessageSink& sink,
                             bool verify) {
    const std::string list = info.Text("batch");
    if (!info.Has("ofile") || info.Text("ofile").empty())
        return Fail(sink, kExitUsage, "/batch needs an output file mask: /ofile=out/item.png.");
    BatchSettings settings;
    settings.mask = NameToUtf16(info.Text("ofile"));
    if (info.Has("defext")) settings.extension = Utf8ToUtf16(info.Text("defext"));
    settings.style = doc.m_ViewStyle;
    settings.naming =
        info.Integer("namemode", 1) == 0 ? BatchNaming::MaskAndNumber : BatchNaming::Message;
    settings.captionFromMessage = info.Integer("addcaption", 1) != 0;
    settings.verify = verify;
    const int32_t threads = info.Integer("threads", 0);
    if (threads < 0) return Fail(sink, kExitUsage, "/threads must be 0 (every core) or more.");
    settings.threads = static_cast<unsigned>(threads);

    std::error_code ec;
    FileBatchLines lines(std::filesystem::path(list), settings.style);
    if (!lines.ok() || !std::filesystem::is_regular_file(list, ec))
        return Fail(sink, kExitUsage, list + ": the list cannot be read.");

    // Every symbol allocates and frees the same buffers; returning the heap's top to the system
    // after each one costs more than building a small symbol.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    ProgressLine progress;
    BatchCallbacks callbacks;
    callbacks.sink = &sink;
    callbacks.progress = [&](std::size_t position, std::size_t count, std::u16string_view s) {
        progress.Show(position, count, s);
    };
    const BatchOutcome out = RunBatchBuild(doc, settings, lines, callbacks);
    const std::string log = out.log.string();
    if (out.result != BatchResult::Created) return {true, kExitFailed};
    if (out.skipped > 0)
        return Fail(sink, kExitFailed,
                    std::to_string(out.skipped) + " lines skipped as too long; see " + log + ".");
    if (out.unreadable > 0)
        return Fail(sink, kExitNotReadable,
                    std::to_string(out.unreadable) + " of " + std::to_string(out.written) +
                        " symbols do not read back; see " + log + ".");
    if (out.inaccurate > 0)
        return Fail(sink, kExitDataLoss, Utf16ToUtf8(out.status) + "; see " + log + ".");
    return {true, kExitWritten};
}

}  // namespace tsy
