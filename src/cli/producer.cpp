#include "cli/producer.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "cli/batch_command.h"
#include "cli/build_report.h"
#include "cli/help_texts.h"
#include "cli/message_file.h"
#include "cli/option_names.h"
#include "cli/output_name.h"
#include "cli/utf8.h"
#include "cli/ziggur_options.h"
#include "document/encoder_doc.h"
#include "encoders/pdf417/pdf417.h"
#include "encoders/qr/qr_encoder.h"
#include "export/document_export.h"
#include "export/gif_animation_writer.h"
#include "imaging/raster_limits.h"
#include "message/codepage_table.h"
#include "message/codepage_translator.h"
#include "message/markup.h"
#include "platform/ascii_case.h"
#include "platform/message_sink.h"
#include "platform/screen.h"
#include "platform/version.h"
#include "symbologies/aztec/aztec_animated_doc.h"
#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"
#include "verify/verify_symbol.h"

namespace tsy {
namespace {

struct Selection {
    DocumentKind kind;
    uint32_t classMask;
    bool menu;
};

// Substring tests in this order; the first hit wins ("AZTECANIMATED" before "AZTEC").
bool SelectSymbology(const std::string& upper, Selection* out) {
    auto has = [&](const char* s) { return upper.find(s) != std::string::npos; };
    if (has("C128"))
        *out = {DocumentKind::Code128, CP_CLASS_LINEAR, has("C128M")};
    else if (has("C39"))
        *out = {DocumentKind::Code39, CP_CLASS_LINEAR, false};
    else if (has("PDF"))
        *out = {DocumentKind::PDF417, CP_CLASS_2D, false};
    else if (has("AZTECANIMATED"))
        *out = {DocumentKind::AztecAnimated, CP_CLASS_2D, false};
    else if (has("AZTEC"))
        *out = {DocumentKind::Aztec, CP_CLASS_2D, has("AZTECM")};
    else if (has("QR"))
        *out = {DocumentKind::QR, CP_CLASS_2D, false};
    else if (has("ZIGGUR"))  // after the older keywords, so none of them changes meaning
        *out = {DocumentKind::Ziggur, CP_CLASS_2D, false};
    else
        return false;
    return true;
}

// The bytes of a message file as text of the code page the symbol will use, so that they
// reach the symbol unchanged; a UTF-8 byte-order mark is not part of the message.
std::u16string DecodeMessageFile(std::string_view bytes, uint32_t codepage) {
    if (codepage == CP_UTF8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return ToText(bytes, codepage).text;
}

// Raw control characters typed in /message would be dropped by the markup parse; written as
// markup they reach the symbol. Binary style keeps them as they are.
std::u16string MarkRawControls(const std::u16string& message, MarkupStyle style) {
    if (style == MarkupStyle::Binary) return message;
    if (std::none_of(message.begin(), message.end(), [](char16_t c) { return c < 0x20; }))
        return message;
    std::u16string out;
    out.reserve(message.size());
    for (char16_t c : message) {
        if (c < 0x20)
            out += FormatMarkup(std::u16string(1, c), style, false, false);
        else
            out += c;
    }
    return out;
}

std::string Upper(std::string_view s) {
    return AsciiUpper(s);
}

// Text options that make no sense bare: "/ofile" as the last argument would otherwise write
// a file named TRUE.wmf.
const char* const kTextOptions[] = {"ofile",    "ifile",       "symbol",   "caption", "message",
                                    "codepage", "appendid",    "defext",   "batch",   "qrmodel",
                                    "host",     "hostmessage", "symmetry", "barrier", "dpi"};

// The QR document's model value for /qrmodel: 0 and 1 are the program's own symbol, 2 or "iso" the
// standard one; -1 for anything else.
int32_t ParseQrModel(const std::string& text) {
    if (text == "0" || text == "1" || text == "2") return text[0] - '0';
    return EqualsIgnoringCase(text, "iso") ? 2 : -1;
}

// A size the screen (or the /dpi resolution) cannot hold refuses the run before anything is
// built.
std::string CheckSizes(const CommandLineOptions& o) {
    const int64_t dpi = o.dpi > 0 ? o.dpi : std::max(ScreenDpiX(), ScreenDpiY());
    auto pixels = [&](int64_t mils) { return (dpi * mils + 500) / 1000; };
    if (o.elementWidth > 0 && pixels(o.elementWidth) > kMaxRasterSide)
        return "Element width too large: " + std::to_string(o.elementWidth) + " mil.";
    if (o.symbolHeight > 0 && pixels(o.symbolHeight) > kMaxRasterSide)
        return "Symbol height too large: " + std::to_string(o.symbolHeight) + " mil.";
    if (o.fontSize > 0 && int64_t{o.fontSize} * dpi / 720 > kMaxRasterSide)
        return "Font size too large: " + std::to_string(o.fontSize) + ".";
    return {};
}

// An output name with the document type's own extension saves the document file; every other
// name keeps the export dispatch.
// The animated sequence is always written as its GIF frames.
bool WriteBuiltDocument(CEncoderDoc& doc, const std::u16string& name, std::string* error) {
    const std::filesystem::path path(NameToBytes(name));
    const DocumentType* own = FindDocumentTypeByExtension(ExtensionOf(name));
    if (own && own->kind == doc.Kind()) return SaveDocument(doc, path, error);
    if (const auto* animated = dynamic_cast<const CAztecAnimatedDoc*>(&doc))
        return animated->WriteGif(path, error);
    return ExportDocumentToFile(doc, path, error);
}

// The animated sequence's numbers must fit its GIF fields; a message says which one does not.
std::string CheckAnimationOptions(const CommandLineOptions& o) {
    using Doc = CAztecAnimatedDoc;
    if (o.symbols < 2 || o.symbols > Doc::kMaxAnimationSymbols) {
        return "Nothing was written: an animated sequence needs /symbols=2 to " +
               std::to_string(Doc::kMaxAnimationSymbols) + " (given " + std::to_string(o.symbols) +
               ").";
    }
    if (o.frameTime < Doc::kMinFrameTime || o.frameTime > Doc::kMaxFrameTime) {
        return "Frame time out of range: /frametime=" + std::to_string(o.frameTime) +
               " (1 to 65535 hundredths of a second).";
    }
    if (o.loops < 0 || o.loops > Doc::kMaxLoops)
        return "Loop count out of range: /loops=" + std::to_string(o.loops) + " (0 to 65535).";
    return {};
}

// /dpi=N: 0 when absent, -1 (after the message) when out of range.
int ReadDpi(const CCommandLineInfoEx& info, MessageSink& sink) {
    if (!info.Has("dpi")) return 0;
    const int32_t dpi = info.Integer("dpi", 0);
    if (dpi >= kMinDpi && dpi <= kMaxDpi) return dpi;
    ShowMessage(&sink,
                Utf8ToUtf16("Resolution out of range: /dpi=" + info.Text("dpi") + " (" +
                            std::to_string(kMinDpi) + " to " + std::to_string(kMaxDpi) +
                            " dots per inch)."),
                MessageKind::Warning);
    return -1;
}

// /verify after the file is written: the status of a symbol the reader did not read back, or
// written when it did (or cannot judge it, which is said).
int VerifyWritten(const CEncoderDoc& doc, MessageSink& sink, int written) {
    const SymbolVerdict verdict = VerifySymbol(doc);
    if (verdict.check == SymbolCheck::Verified) return written;
    const bool unreadable = verdict.check == SymbolCheck::NotReadable;
    ShowMessage(&sink,
                std::u16string(SymbolCheckText(verdict.check)) + u": " +
                    Utf8ToUtf16(verdict.reason) +
                    (unreadable ? u" The file was written all the same." : u""),
                unreadable ? MessageKind::Warning : MessageKind::Information);
    return unreadable ? kExitNotReadable : written;
}

// The first free argument that names a file of one of the document types, if any.
const std::string* DocumentArgument(const CCommandLineInfoEx& info) {
    for (const std::string& arg : info.freeArguments())
        if (FindDocumentTypeByExtension(ExtensionOf(Utf8ToUtf16(arg)))) return &arg;
    return nullptr;
}

// The PDF417 encoder reports its limits on standard output, as its C callers expect; on the
// command line they go to stderr with every other message, and standard output stays free for
// a symbol file written to it (an /ofile linked to /dev/stdout).
class StdoutToStderr {
public:
    StdoutToStderr() {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        if (saved_ >= 0) dup2(STDERR_FILENO, STDOUT_FILENO);
    }
    ~StdoutToStderr() { Restore(); }
    StdoutToStderr(const StdoutToStderr&) = delete;
    StdoutToStderr& operator=(const StdoutToStderr&) = delete;

    void Restore() {
        if (saved_ < 0) return;
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
        saved_ = -1;
    }

private:
    int saved_ = -1;
};

struct Run {
    const CCommandLineInfoEx& info;
    MessageSink& sink;
    CommandLineOptions options;
    std::string keyword;
    std::u16string defext = u"wmf";
    std::string fileBytes;
    bool animated = false;  // the GIF sequence: its names end in .gif
    bool fromFile = false;
    bool verify = false;

    ProducerOutcome Fail(int status, const std::string& text) {
        ShowMessage(&sink, Utf8ToUtf16(text), MessageKind::Warning);
        return {true, status};
    }
    void ReadOptions();
    ProducerOutcome Build(const Selection& selection);
};

void Run::ReadOptions() {
    auto text = [&](const char* name) { return Utf8ToUtf16(info.Text(name)); };
    keyword = info.Text("symbol");
    Selection selection{};
    animated = SelectSymbology(Upper(keyword), &selection) &&
               selection.kind == DocumentKind::AztecAnimated;
    options.outputName = NameToUtf16(info.Text("ofile"));
    if (!options.outputName.empty())
        options.outputName = EnsureExtension(options.outputName, animated ? u"gif" : u"wmf");
    options.inputFile = NameToUtf16(info.Text("ifile"));
    options.caption = text("caption");
    options.message = text("message");
    options.elementWidth = info.Integer("xelement", 0);
    options.symbolHeight = info.Integer("ysize", 0);
    options.fontSize = info.Integer("fontsize", 0);
    options.codepage = info.Integer("codepage", 0);
    options.addMessage = info.Boolean("addmessage", false);
    options.useEci = info.Boolean("eci", false);
    options.symbols = info.Integer("symbols", 1);
    options.frameTime = info.Integer("frametime", 100);
    options.loops = info.Integer("loops", 0);
    options.appendId = text("appendid");
    if (info.Has("defext")) defext = text("defext");
    options.trailingFnc3 = info.Boolean("fnc3trail", false);
    options.leadingFnc3 = info.Boolean("fnc3lead", false);
    // The caption is settled before a file may replace the message.
    if (options.caption.empty() && info.Integer("addcaption", 1) != 0)
        options.caption = options.message;
    if (options.outputName.empty())
        options.outputName = DeriveOutputName(options.caption, animated ? u"gif" : defext);
}

ProducerOutcome Run::Build(const Selection& selection) {
    std::unique_ptr<CEncoderDoc> doc = CreateDocument(selection.kind);
    if (!doc) return Fail(kExitUsage, "Symbology unknown:\r\n" + Upper(keyword));
    if (info.Has("batch")) {
        // The options reach the document as for one symbol; the list supplies the messages.
        options.message.assign(1, u'0');
        options.menuSymbol = selection.menu;
        doc->ApplyCommandLine(options, [](CEncoderDoc&, const std::u16string&) { return true; });
        StdoutToStderr encoderText;
        return ProduceBatch(*doc, info, sink, verify);
    }
    if (fromFile) {
        // Every byte reaches the symbol: control characters become markup of the document's
        // style, as NUL always did.
        const auto codepage = options.codepage > 0 ? static_cast<uint32_t>(options.codepage)
                                                   : doc->Type().defaults.codepage;
        options.message =
            FormatMarkup(DecodeMessageFile(fileBytes, codepage), doc->m_ViewStyle, false, false);
    } else {
        options.message = MarkRawControls(options.message, doc->m_ViewStyle);
    }
    if (options.hostMessage)
        options.hostMessage = MarkRawControls(*options.hostMessage, doc->m_ViewStyle);
    options.menuSymbol = selection.menu;
    std::string writeError;
    bool wrote = false;
    StdoutToStderr encoderText;
    const bool ok =
        doc->ApplyCommandLine(options, [&](CEncoderDoc& built, const std::u16string& name) {
            encoderText.Restore();
            wrote = WriteBuiltDocument(built, name, &writeError);
            return wrote;
        });
    if (ok && wrote) {
        int status = kExitWritten;
        if (!doc->m_Accurate) {
            ShowMessage(&sink, Utf8ToUtf16(DataLossText(*doc)), MessageKind::Warning);
            status = kExitDataLoss;
        }
        if (verify) status = VerifyWritten(*doc, sink, status);
        return {true, status};
    }
    if (!writeError.empty()) return Fail(kExitFailed, writeError);
    if (options.dpi > 0) {
        // A symbol that builds for the screen but not for print outgrew the picture limits.
        doc->SetResolution(0);
        if (doc->BuildSymbol()) {
            return Fail(kExitFailed, "The symbol could not be built: at " +
                                         std::to_string(options.dpi) +
                                         " dpi its picture would exceed 32767 pixels a side or "
                                         "256 MB; a lower /dpi builds it.");
        }
    }
    return Fail(kExitFailed, "The symbol could not be built: " + BuildFailureReason(*doc));
}

// `tessaly label.C39 /ofile=label.png`: a saved document rebuilt and written without a window.
ProducerOutcome ProduceFromDocument(const std::string& file, const CCommandLineInfoEx& info,
                                    MessageSink& sink) {
    auto fail = [&](int status, const std::string& text) {
        ShowMessage(&sink, Utf8ToUtf16(text), MessageKind::Warning);
        return ProducerOutcome{true, status};
    };
    std::string error;
    std::unique_ptr<CEncoderDoc> doc = OpenDocument(std::filesystem::path(file), &error);
    if (!doc)
        return fail(kExitUsage, file + ": " + (error.empty() ? kFailedToOpenDocument : error));
    const int dpi = ReadDpi(info, sink);
    if (dpi < 0) return {true, kExitUsage};
    if (dpi > 0) {
        doc->SetResolution(dpi);
        doc->BuildSymbol();
    }
    if (!doc->m_Picture.HasPicture())
        return fail(kExitFailed, "The symbol could not be built: the document holds no picture.");
    const bool animated = doc->Kind() == DocumentKind::AztecAnimated;
    const std::u16string output =
        EnsureExtension(NameToUtf16(info.Text("ofile")), animated ? u"gif" : u"wmf");
    if (!WriteBuiltDocument(*doc, output, &error)) return fail(kExitFailed, error);
    if (info.Boolean("verify", false)) return {true, VerifyWritten(*doc, sink, kExitWritten)};
    return {true, kExitWritten};
}

std::string VersionText() {
    char pdf417[16] = {};
    char qr[16] = {};
    pdf417::GetPDF417EncoderRevString(pdf417);
    qr::GetQREncoderRevString(qr);
    return std::string("tessaly ") + kVersionRecord + "\nPDF417 encoder " + pdf417 +
           "\nQR encoder " + qr + "\n";
}

}  // namespace

ProducerOutcome ProduceFromCommandLine(const CCommandLineInfoEx& info, MessageSink& sink,
                                       std::FILE* out) {
    if (info.Boolean("help", false)) {
        std::fputs(FullHelpText().c_str(), out);
        return {true, kExitWritten};
    }
    if (info.Boolean("version", false)) {
        std::fputs(VersionText().c_str(), out);
        return {true, kExitWritten};
    }
    InstallGifAnimationWriter();
    Run run{info, sink, {}, {}, u"wmf", {}, false};
    if (const std::string unknown = CheckOptionNames(info); !unknown.empty())
        return run.Fail(kExitUsage, unknown);
    for (const char* name : kTextOptions)
        if (info.IsBare(name))
            return run.Fail(kExitUsage, std::string("Missing value for /") + name + ".");
    if (!info.Has("symbol") && info.Has("ofile")) {
        if (const std::string* file = DocumentArgument(info))
            return ProduceFromDocument(*file, info, sink);
    }
    run.ReadOptions();
    run.verify = info.Boolean("verify", false);
    run.options.dpi = ReadDpi(info, sink);
    if (run.options.dpi < 0) return {true, kExitUsage};
    if (const std::string bad = ReadZiggurOptions(info, &run.options); !bad.empty())
        return run.Fail(kExitUsage, bad);
    if (run.options.message.empty() && !info.Has("batch")) {
        if (run.options.inputFile.empty()) {
            if (run.keyword.empty()) return {false, kExitUsage};
            return run.Fail(kExitUsage, "No Message or file provided.");
        }
        const MessageFileResult file =
            ReadMessageFile(std::filesystem::path(NameToBytes(run.options.inputFile)));
        if (!file.ok) return run.Fail(kExitUsage, file.error);
        run.fileBytes = file.bytes;
        run.fromFile = true;
    }
    Selection selection{};
    if (!SelectSymbology(Upper(run.keyword), &selection))
        return run.Fail(kExitUsage, "Symbology unknown:\r\n" + Upper(run.keyword));
    if (info.Has("codepage")) {
        const auto found =
            FindCodepageByName(Utf8ToUtf16(info.Text("codepage")), selection.classMask);
        if (!found.found)
            return run.Fail(kExitUsage, "Codepage unknown\r\n " + info.Text("codepage"));
        run.options.codepage = static_cast<int32_t>(found.codePage);
    }
    if (info.Has("qrmodel")) {
        if (selection.kind != DocumentKind::QR)
            return run.Fail(kExitUsage, "/qrmodel applies to /symbol=QR only.");
        run.options.qrModel = ParseQrModel(info.Text("qrmodel"));
        if (run.options.qrModel < 0) {
            return run.Fail(kExitUsage,
                            "QR model unknown: " + info.Text("qrmodel") + " (0, 1, 2 or iso).");
        }
    }
    if (const std::string tooLarge = CheckSizes(run.options); !tooLarge.empty())
        return run.Fail(kExitUsage, tooLarge);
    if (run.animated) {
        if (const std::string bad = CheckAnimationOptions(run.options); !bad.empty())
            return run.Fail(kExitUsage, bad);
    }
    return run.Build(selection);
}

}  // namespace tsy
