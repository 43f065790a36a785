#include "export/batch_build.h"

#include <cstdio>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>

#include "document/encoder_doc.h"
#include "export/batch_pool.h"
#include "platform/message_sink.h"
#include "platform/safe_file.h"
#include "platform/utf8_text.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {
namespace {

constexpr std::size_t kCaptionLength = 25;

std::u16string Utf16(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string Display(const std::u16string& line) {
    if (line.size() <= kCaptionLength) return line;
    std::size_t cut = kCaptionLength;
    if (line[cut - 1] >= 0xD800 && line[cut - 1] <= 0xDBFF) --cut;  // keep a pair whole
    return line.substr(0, cut) + u"...";
}

std::u16string ExtensionOfMask(const std::filesystem::path& mask, const std::u16string& chosen) {
    std::u16string ext = Utf8ToUtf16Text(mask.extension().string());
    if (!ext.empty()) return ext.substr(1);
    return chosen.empty() ? u"bmp" : chosen;
}

// The document as it was before the run, put back on every way out.
class DocumentGuard {
public:
    explicit DocumentGuard(CEncoderDoc& doc)
        : doc_(doc),
          style_(doc.m_ViewStyle),
          message_(doc.m_Message),
          caption_(doc.m_Caption),
          codepage_(doc.m_Codepage),
          ziggur_(dynamic_cast<CZiggurDoc*>(&doc)) {
        if (ziggur_) hostMessage_ = ziggur_->m_HostMessage;
    }
    ~DocumentGuard() {
        doc_.m_ViewStyle = style_;
        doc_.m_Message = message_;
        doc_.m_Caption = caption_;
        doc_.m_Codepage = codepage_;
        if (ziggur_) ziggur_->m_HostMessage = hostMessage_;
        // The picture of the last line would stay until the next build otherwise.
        if (built_) doc_.BuildSymbol();
    }
    DocumentGuard(const DocumentGuard&) = delete;
    DocumentGuard& operator=(const DocumentGuard&) = delete;
    void Built() { built_ = true; }

private:
    CEncoderDoc& doc_;
    MarkupStyle style_;
    std::u16string message_;
    std::u16string caption_;
    int32_t codepage_;
    CZiggurDoc* ziggur_;  // its host message keeps the document's style, not the lines'
    std::u16string hostMessage_;
    bool built_ = false;
};

// The log: created when the run starts, given its name when the run ends however it ends.
class BatchLog {
public:
    explicit BatchLog(const std::filesystem::path& path) : file_(path) {}
    ~BatchLog() {
        std::string error;
        if (open_) file_.Finish(Durability::Atomic, &error) && file_.Commit(&error);
    }
    BatchLog(const BatchLog&) = delete;
    BatchLog& operator=(const BatchLog&) = delete;

    bool Open(std::string* error) { return open_ = file_.Open(error); }
    // One line, as UTF-8 with CR LF whatever the locale.
    void Write(std::u16string_view text) {
        const std::string bytes = Utf16ToUtf8Text(text) + "\r\n";
        std::fwrite(bytes.data(), 1, bytes.size(), file_.file());
    }

private:
    FileReplacement file_;
    bool open_ = false;
};

struct Run {
    CEncoderDoc& doc;
    BatchSettings& settings;
    BatchLines& lines;
    const BatchCallbacks& cb;
    BatchOutcome out;

    void Status(std::u16string text, std::size_t position, std::size_t count) {
        out.status = std::move(text);
        if (cb.progress) cb.progress(position, count, out.status);
    }
    BatchOutcome Stop(BatchResult result, std::u16string_view message, const char16_t* status) {
        if (!message.empty()) ShowMessage(cb.sink, message, MessageKind::Warning);
        out.result = result;
        if (status) Status(status, 0, out.lines);
        return out;
    }
    std::size_t CountKeptLines();
    BatchOutcome Build(const std::filesystem::path& mask, BatchLog& log, DocumentGuard& guard);
};

std::size_t Run::CountKeptLines() {
    std::size_t kept = 0;
    std::u16string line;
    lines.Rewind();
    while (lines.Next(line))
        if (!line.empty() && line.size() < static_cast<std::size_t>(doc.MaxMessageLength())) ++kept;
    lines.Rewind();
    return kept;
}

BatchOutcome Run::Build(const std::filesystem::path& mask, BatchLog& log, DocumentGuard& guard) {
    const std::u16string ext = u"." + ExtensionOfMask(mask, settings.extension);
    const std::u16string base =
        Utf8ToUtf16Text(std::filesystem::path(mask).replace_extension().string());
    const std::filesystem::path folder = mask.parent_path();
    const std::size_t maxLength = static_cast<std::size_t>(doc.MaxMessageLength());
    out.lines = CountKeptLines();

    // Declared first so that the pool, ended first, never outlives a job it holds.
    std::deque<std::unique_ptr<BatchJob>> queue;
    BatchPool pool(doc, settings.threads, settings.captionFromMessage, settings.verify);
    if (!pool.Threaded()) guard.Built();
    DistinctNames names;
    std::size_t kept = 0;
    std::size_t nonEmpty = 0;
    std::u16string line;
    // Reads until one item is queued: a line to build, or the note of a skipped one.
    auto readOne = [&]() {
        while (lines.Next(line)) {
            if (line.empty()) continue;
            auto job = std::make_unique<BatchJob>();
            const std::size_t n = nonEmpty++;
            if (line.size() >= maxLength) {
                job->note = u"Line " + Utf16(std::to_string(n)) + u": skipped, longer than " +
                            Utf16(std::to_string(maxLength - 1)) + u" characters";
                ++out.skipped;
                queue.push_back(std::move(job));
                return true;
            }
            job->index = kept++;
            job->display = Display(line);
            std::u16string name;
            if (settings.naming == BatchNaming::Message)
                name = Utf8ToUtf16Text(folder.string()) + (folder.empty() ? u"" : u"/") +
                       names.Take(FileNameFromMessage(line));
            else
                name = base + Utf16(std::to_string(job->index + 1));
            job->name = name + ext;
            job->line = std::move(line);
            Status(u"Building \"" + job->display + u"\"", job->index, out.lines);
            pool.Submit(*job);
            queue.push_back(std::move(job));
            return true;
        }
        return false;
    };

    bool more = true;
    while (true) {
        if (more && cb.cancelled && cb.cancelled()) {
            pool.Stop();
            Status(u"Cancelled: " + Utf16(std::to_string(out.written)) + u" of " +
                       Utf16(std::to_string(out.lines)) + u" Symbols Created",
                   0, out.lines);
            log.Write(out.status + u".");
            out.result = BatchResult::Cancelled;
            return out;
        }
        while (more && queue.size() < pool.Window()) more = readOne();
        if (queue.empty()) break;
        BatchJob& job = *queue.front();
        if (job.note.empty()) {
            pool.Finish(job);
            if (!job.accurate) {
                log.Write(u"Line " + Utf16(std::to_string(job.index)) +
                          u": Data loss due to translation: " + job.line);
                ++out.inaccurate;
            }
            if (!job.written) {
                pool.Stop();
                std::u16string message = u"error writing " + job.name;
                if (!job.error.empty()) message += u"\r\n" + Utf8ToUtf16Text(job.error);
                return Stop(BatchResult::WriteFailed, message, u"Write failed");
            }
            ++out.written;
            if (job.unreadable) {
                log.Write(u"Line " + Utf16(std::to_string(job.index)) +
                          u": Not readable by the reader: " + job.line);
                ++out.unreadable;
            }
        } else {
            log.Write(job.note);
        }
        queue.pop_front();
    }
    if (out.lines == 0) return Stop(BatchResult::NoData, u"No source barcode data", nullptr);
    Status(CreatedStatus(out.lines, out.inaccurate), 0, out.lines);
    log.Write(out.status + u".");
    out.result = BatchResult::Created;
    return out;
}

}  // namespace

std::u16string CreatedStatus(std::size_t lines, std::size_t inaccurate) {
    if (inaccurate == 0) return Utf16(std::to_string(lines)) + u" Symbols Created";
    return Utf16(std::to_string(inaccurate) + "/" + std::to_string(lines)) +
           u" Symbols are inaccurate";
}

std::filesystem::path BatchLogPath(const std::filesystem::path& mask) {
    if (!mask.has_filename()) return mask / "Tessaly.log";
    return std::filesystem::path(mask).replace_extension("log");
}

BatchOutcome RunBatchBuild(CEncoderDoc& doc, BatchSettings& settings, BatchLines& lines,
                           const BatchCallbacks& callbacks) {
    Run run{doc, settings, lines, callbacks, {}};
    DocumentGuard guard(doc);
    if (auto* ziggur = dynamic_cast<CZiggurDoc*>(&doc)) ziggur->RestyleHostMessage(settings.style);
    doc.m_ViewStyle = settings.style;
    while (settings.mask.empty()) {
        if (!callbacks.chooseOutputFile || !callbacks.chooseOutputFile(settings))
            return run.Stop(BatchResult::Aborted, {}, u"Aborted file dialog");
    }
    const std::filesystem::path mask(Utf16ToUtf8Text(settings.mask));
    // Checked before the log exists, so a wrong mask leaves nothing behind.
    if (settings.naming == BatchNaming::MaskAndNumber &&
        std::filesystem::path(mask).replace_extension().filename().empty())
        return run.Stop(BatchResult::MaskMissing, u"Please enter an output file mask",
                        u"File mask missing");
    run.out.log = BatchLogPath(mask);
    BatchLog log(run.out.log);
    if (std::string error; !log.Open(&error))
        return run.Stop(BatchResult::LogFailed, Utf8ToUtf16Text(error), u"Log file failed");
    return run.Build(mask, log, guard);
}

BatchOutcome RunBatchBuild(CEncoderDoc& doc, BatchSettings& settings, std::u16string_view text,
                           const BatchCallbacks& callbacks) {
    TextBatchLines lines(text);
    return RunBatchBuild(doc, settings, lines, callbacks);
}

bool ImportBatchFile(const std::filesystem::path& path, MarkupStyle style, MessageSink* sink,
                     std::u16string* text) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in || in.bad() || std::filesystem::is_directory(path)) {
        ShowMessage(sink, u"Bad File", MessageKind::Warning);
        return false;
    }
    *text = ImportBatchText(bytes, style);
    return true;
}

}  // namespace tsy
