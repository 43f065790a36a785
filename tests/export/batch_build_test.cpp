#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <vector>

#include "export/batch_build.h"
#include "platform/message_sink.h"
#include "platform/utf8_text.h"
#include "support/private_profile.h"
#include "support/test_files.h"
#include "support/zxing_decode.h"
#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {
namespace {

using test::ReadFile;
using test::Symbology;
using test::TempDir;

const auto* const kConfigHome = ::testing::AddGlobalTestEnvironment(new test::PrivateProfile);

// A 24-bit bottom-up BMP, as our writer makes it, read back as grey and decoded.
test::Decoded DecodeBmp(const std::string& bmp, Symbology symbology) {
    auto le32 = [&](std::size_t at) {
        return static_cast<int>(static_cast<uint8_t>(bmp[at]) |
                                static_cast<uint8_t>(bmp[at + 1]) << 8 |
                                static_cast<uint8_t>(bmp[at + 2]) << 16);
    };
    if (bmp.size() < 54 || bmp.substr(0, 2) != "BM") return {};
    const int offset = le32(10), width = le32(18), height = le32(22);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> grey(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grey[static_cast<std::size_t>(y * width + x)] =
                static_cast<uint8_t>(bmp[static_cast<std::size_t>(offset) +
                                         static_cast<std::size_t>(height - 1 - y) * stride +
                                         static_cast<std::size_t>(x) * 3]);
    return test::DecodeGrey(grey, width, height, symbology);
}

// Every file of the folder with its bytes, names relative to it.
std::map<std::string, std::string> Files(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files[std::filesystem::relative(e.path(), dir).string()] = ReadFile(e.path());
    return files;
}

struct Outcome {
    BatchOutcome out;
    std::vector<std::u16string> statuses;
    RecordingMessageSink sink;
};

void RunBatch(CEncoderDoc& doc, BatchSettings settings, std::u16string_view text, Outcome& o) {
    BatchCallbacks cb;
    cb.sink = &o.sink;
    cb.progress = [&](std::size_t, std::size_t, std::u16string_view s) {
        o.statuses.emplace_back(s);
    };
    o.out = RunBatchBuild(doc, settings, text, cb);
}

std::unique_ptr<CEncoderDoc> Document(DocumentKind kind, const std::u16string& message) {
    auto doc = CreateDocument(kind);
    if (!doc) return doc;
    doc->m_Message = message;
    // A new Ziggur document has no host message, and its Code 39 host needs one.
    if (auto* ziggur = dynamic_cast<CZiggurDoc*>(doc.get())) ziggur->m_HostMessage = u"AB";
    doc->BuildSymbol();
    return doc;
}

struct PartCase {
    const char* name;
    DocumentKind kind;
    Symbology symbology;
    std::u16string text;
    BatchNaming naming;
    const char* mask;                          // in the test's folder
    std::map<std::string, std::string> files;  // name -> the line it decodes to
    const char* logName;
    std::string log;
};

void PrintTo(const PartCase& c, std::ostream* os) {
    *os << c.name;
}

class BatchPartCases : public ::testing::TestWithParam<PartCase> {};

// Files, their contents read back by zxing-cpp, the log and the status of a finished run.
TEST_P(BatchPartCases, WritesDecodableFilesAndTheLog) {
    const PartCase& c = GetParam();
    for (unsigned threads : {1u, 3u}) {
        TempDir dir;
        std::filesystem::create_directories(dir / "out");
        auto doc = Document(c.kind, u"KEEP");
        const std::string before = StoreDocumentBytes(*doc);
        BatchSettings settings;
        settings.mask = Utf8ToUtf16Text((dir.path() / c.mask).string());
        settings.naming = c.naming;
        settings.threads = threads;
        Outcome o;
        RunBatch(*doc, settings, c.text, o);
        EXPECT_EQ(o.out.result, BatchResult::Created);
        std::map<std::string, std::string> files = Files(dir.path());
        ASSERT_EQ(files.count(c.logName), 1u) << c.logName;
        EXPECT_EQ(files[c.logName], c.log);
        files.erase(c.logName);
        std::set<std::string> names, expected;
        for (const auto& [name, bytes] : files) names.insert(name);
        for (const auto& [name, line] : c.files) expected.insert(name);
        EXPECT_EQ(names, expected) << threads;
        for (const auto& [name, line] : c.files) {
            const test::Decoded d = DecodeBmp(files[name], c.symbology);
            EXPECT_TRUE(d.ok) << name << " " << d.error;
            EXPECT_EQ(d.bytes, line) << name;
        }
        EXPECT_EQ(StoreDocumentBytes(*doc), before) << "the document changed";
        EXPECT_TRUE(o.sink.entries.empty());
    }
}

std::u16string Repeat(char16_t c, std::size_t n) {
    return std::u16string(n, c);
}

const PartCase kPartCases[] = {
    {"ThreeLinesNumbered",
     DocumentKind::Aztec,
     Symbology::Aztec,
     u"one\r\ntwo\r\nthree",
     BatchNaming::MaskAndNumber,
     "out/item.bmp",
     {{"out/item1.bmp", "one"}, {"out/item2.bmp", "two"}, {"out/item3.bmp", "three"}},
     "out/item.log",
     "3 Symbols Created.\r\n"},
    {"WildcardsInMessageNames",
     DocumentKind::Code128,
     Symbology::Code128,
     u"AB?*",
     BatchNaming::Message,
     "Label",
     {{"ABqa.bmp", "AB?*"}},
     "Label.log",
     "1 Symbols Created.\r\n"},
    {"Code39LengthLimit",
     DocumentKind::Code39,
     Symbology::Code39,
     Repeat(u'A', 60) + u"\r\n" + Repeat(u'B', 59),
     BatchNaming::MaskAndNumber,
     "c.bmp",
     {{"c1.bmp", std::string(59, 'B')}},
     "c.log",
     "Line 0: skipped, longer than 59 characters\r\n1 Symbols Created.\r\n"},
    {"EmptyLinesSkipped",
     DocumentKind::Aztec,
     Symbology::Aztec,
     u"\r\na\r\n\r\n\r\nb\r\n",
     BatchNaming::MaskAndNumber,
     "e.bmp",
     {{"e1.bmp", "a"}, {"e2.bmp", "b"}},
     "e.log",
     "2 Symbols Created.\r\n"},
    {"FirstLineLosesData",
     DocumentKind::Aztec,
     Symbology::Aztec,
     u"\u03A9x\r\nb\r\nc",
     BatchNaming::MaskAndNumber,
     "d.bmp",
     {{"d1.bmp", "?x"}, {"d2.bmp", "b"}, {"d3.bmp", "c"}},
     "d.log",
     "Line 0: Data loss due to translation: \xCE\xA9x\r\n1/3 Symbols are inaccurate.\r\n"},
    // Mended: bare LF and CR end lines too.
    {"LfAndCrEndLines",
     DocumentKind::Aztec,
     Symbology::Aztec,
     u"x\ny\rz\n",
     BatchNaming::Message,
     "m.bmp",
     {{"x.bmp", "x"}, {"y.bmp", "y"}, {"z.bmp", "z"}},
     "m.log",
     "3 Symbols Created.\r\n"},
    // Mended: names from messages stay in the mask's folder, hold no separators and never
    // overwrite each other.
    {"SafeDistinctNames",
     DocumentKind::Code128,
     Symbology::Code128,
     u"../up\r\na/b\r\ndup\r\ndup\r\n..\r\na:b",
     BatchNaming::Message,
     "out/n.bmp",
     {{"out/.._up.bmp", "../up"},
      {"out/a_b.bmp", "a/b"},
      {"out/dup.bmp", "dup"},
      {"out/dup_2.bmp", "dup"},
      {"out/_.bmp", ".."},
      {"out/a_b_2.bmp", "a:b"}},
     "out/n.log",
     "6 Symbols Created.\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Batch, BatchPartCases, ::testing::ValuesIn(kPartCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    const char* mask;     // in the test's folder
    const char* makeDir;  // a folder made first, in the way of a file
    BatchNaming naming;
    std::u16string text;
    BatchResult result;
    std::u16string status;    // empty: unchanged
    const char16_t* message;  // start of the one message shown; null: none
    bool logKept;             // the log exists (closed) afterwards
};

class BatchFailures : public ::testing::TestWithParam<FailureCase> {};

// Each stop leaves the document as it was and the log closed (or never made).
TEST_P(BatchFailures, StopWithTheirTextsAndRestoreTheDocument) {
    const FailureCase& c = GetParam();
    for (unsigned threads : {1u, 2u}) {
        TempDir dir;
        if (*c.makeDir) std::filesystem::create_directories(dir / c.makeDir);
        auto doc = Document(DocumentKind::Code128, u"KEEP");
        doc->m_Caption = u"caption";
        doc->BuildSymbol();
        const std::string before = StoreDocumentBytes(*doc);
        BatchSettings settings;
        settings.mask = *c.mask ? Utf8ToUtf16Text((dir.path() / c.mask).string()) : u"";
        settings.naming = c.naming;
        settings.style = MarkupStyle::C;
        settings.threads = threads;
        Outcome o;
        RunBatch(*doc, settings, c.text, o);
        EXPECT_EQ(o.out.result, c.result);
        EXPECT_EQ(o.out.status, c.status);
        ASSERT_EQ(o.sink.entries.size(), c.message ? 1u : 0u);
        if (c.message) {
            const std::u16string_view start(c.message);
            EXPECT_EQ(o.sink.entries[0].text.substr(0, start.size()), start);
        }
        EXPECT_EQ(std::filesystem::is_regular_file(o.out.log), c.logKept) << o.out.log;
        EXPECT_EQ(StoreDocumentBytes(*doc), before) << "the document changed";
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path()))
            EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
    }
}

const FailureCase kFailures[] = {
    {"DialogCancelled", "", "", BatchNaming::Message, u"a", BatchResult::Aborted,
     u"Aborted file dialog", nullptr, false},
    {"OutputFolderMissing", "none/item.bmp", "", BatchNaming::MaskAndNumber, u"a",
     BatchResult::LogFailed, u"Log file failed", u"/", false},
    {"LogCannotBeCreated", "item.bmp", "item.log", BatchNaming::MaskAndNumber, u"a",
     BatchResult::LogFailed, u"Log file failed", u"/", false},
    {"NoNamePart", "out/", "out", BatchNaming::MaskAndNumber, u"a", BatchResult::MaskMissing,
     u"File mask missing", u"Please enter an output file mask", false},
    {"FileCannotBeWritten", "item.bmp", "item2.bmp", BatchNaming::MaskAndNumber, u"a\nb\nc",
     BatchResult::WriteFailed, u"Write failed", u"error writing ", true},
    {"NoUsableLine", "item.bmp", "", BatchNaming::MaskAndNumber, u"\r\n\n", BatchResult::NoData,
     u"", u"No source barcode data", true},
};

INSTANTIATE_TEST_SUITE_P(Batch, BatchFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// The file dialog step runs while the mask is empty; the extension chosen there is used.
TEST(BatchBuild, AsksForTheMaskAndTakesTheExtensionOfTheMask) {
    TempDir dir;
    auto doc = Document(DocumentKind::Code39, u"KEEP");
    BatchSettings settings;
    settings.naming = BatchNaming::MaskAndNumber;
    settings.extension = u"gif";  // chosen earlier; a typed mask's own extension wins
    BatchCallbacks cb;
    int asked = 0;
    cb.chooseOutputFile = [&](BatchSettings& s) {
        s.mask = Utf8ToUtf16Text((dir / "pick.PCX").string());
        return ++asked > 0;
    };
    RunBatchBuild(*doc, settings, u"A", cb);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadFile(dir / "pick1.PCX").substr(0, 1), "\x0A");
}

// Cancelling stops before the next line; the log says how far the run got.
TEST(BatchBuild, CancelStopsBeforeTheNextLine) {
    TempDir dir;
    auto doc = Document(DocumentKind::Code39, u"KEEP");
    BatchSettings settings;
    settings.mask = Utf8ToUtf16Text((dir / "n.bmp").string());
    settings.naming = BatchNaming::MaskAndNumber;
    BatchCallbacks cb;
    bool cancel = false;
    cb.progress = [&](std::size_t position, std::size_t, std::u16string_view) {
        cancel = cancel || position == 1;
    };
    cb.cancelled = [&] { return cancel; };
    const BatchOutcome out = RunBatchBuild(*doc, settings, u"A\nB\nC", cb);
    EXPECT_EQ(out.result, BatchResult::Cancelled);
    EXPECT_EQ(out.status, u"Cancelled: 2 of 3 Symbols Created");
    EXPECT_TRUE(std::filesystem::exists(dir / "n2.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "n3.bmp"));
    EXPECT_EQ(ReadFile(dir / "n.log"), "Cancelled: 2 of 3 Symbols Created.\r\n");
    EXPECT_EQ(doc->m_Message, u"KEEP");
}

// The caption is the line cut to 25 characters and "...", as the status shows it.
TEST(BatchBuild, CaptionAndStatusShortenLongLines) {
    TempDir dir;
    auto doc = Document(DocumentKind::Aztec, u"KEEP");
    BatchSettings settings;
    settings.mask = Utf8ToUtf16Text((dir / "c.bmp").string());
    settings.captionFromMessage = true;
    Outcome plain, captioned;
    const std::u16string line = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";  // 30 characters
    RunBatch(*doc, settings, line, captioned);
    const std::string withCaption = ReadFile(dir / "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123.bmp");
    settings.captionFromMessage = false;
    RunBatch(*doc, settings, line, plain);
    ASSERT_FALSE(captioned.statuses.empty());
    EXPECT_EQ(captioned.statuses.front(), u"Building \"ABCDEFGHIJKLMNOPQRSTUVWXY...\"");
    EXPECT_GT(withCaption.size(), ReadFile(dir / "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123.bmp").size());
}

// Several threads write the same files, names and log as one does, for every type.
TEST(BatchBuild, ThreadsChangeNothingInTheOutput) {
    std::u16string text;
    for (int i = 0; i < 40; ++i) {
        text += i % 7 == 3 ? u"dup" : u"line " + Utf8ToUtf16Text(std::to_string(i * 37));
        text += i == 5 ? u"\u03A9\r\n" : u"\n";
    }
    for (const DocumentType& type : DocumentTypes()) {
        if (!type.create) continue;
        std::map<std::string, std::string> reference;
        for (unsigned threads : {1u, 2u, 5u}) {
            TempDir dir;
            auto doc = Document(type.kind, u"KEEP");
            if (!doc) break;
            for (BatchNaming naming : {BatchNaming::MaskAndNumber, BatchNaming::Message}) {
                BatchSettings settings;
                settings.mask = Utf8ToUtf16Text((dir / "t.png").string());
                settings.naming = naming;
                settings.captionFromMessage = naming == BatchNaming::Message;
                settings.threads = threads;
                Outcome o;
                RunBatch(*doc, settings, text, o);
                EXPECT_EQ(o.out.result, BatchResult::Created) << Utf16ToUtf8Text(type.docName);
            }
            if (threads == 1)
                reference = Files(dir.path());
            else
                EXPECT_TRUE(Files(dir.path()) == reference)
                    << Utf16ToUtf8Text(type.docName) << " with " << threads << " threads";
        }
        if (!reference.empty()) {
            EXPECT_GT(reference.size(), 60u);
        }
    }
}

// A list file reads line by line into the same lines as the imported text.
TEST(BatchLines, FileLinesMatchTheImportedText) {
    const std::string files[] = {
        "a\tb\r\nc\nd\re\r\n",
        "\xEF\xBB\xBFutf8 \xC3\xA9\nzwei",
        "cp1252 \xE9\r\n\r\nnext",
        std::string("\xFF\xFEx\0\r\0\n\0y\0\n\0", 12),
        std::string("\xFE\xFF\0x\0\r\0y", 8),
        "",
    };
    TempDir dir;
    RecordingMessageSink sink;
    std::u16string unread;
    EXPECT_FALSE(ImportBatchFile(dir / "none.txt", MarkupStyle::Bracket, &sink, &unread));
    ASSERT_EQ(sink.entries.size(), 1u);
    EXPECT_EQ(sink.entries[0].text, u"Bad File");
    for (MarkupStyle style : {MarkupStyle::Bracket, MarkupStyle::C}) {
        for (const std::string& bytes : files) {
            test::WriteFile(dir / "list.txt", bytes);
            FileBatchLines fileLines(dir / "list.txt", style);
            const std::u16string imported = ImportBatchText(bytes, style);
            TextBatchLines textLines(imported);
            std::vector<std::u16string> a, b;
            for (std::u16string line; fileLines.Next(line);)
                if (!line.empty()) a.push_back(line);
            for (std::u16string line; textLines.Next(line);)
                if (!line.empty()) b.push_back(line);
            EXPECT_EQ(a, b) << bytes;
            std::u16string read;
            EXPECT_TRUE(ImportBatchFile(dir / "list.txt", style, nullptr, &read));
            EXPECT_EQ(read, imported);
            EXPECT_EQ(RestyleBatchText(RestyleBatchText(imported, style, MarkupStyle::C),
                                       MarkupStyle::C, style),
                      imported);
        }
    }
}

// Peak resident memory since the last reset, in kB (Linux: VmHWM, reset through clear_refs).
long PeakKb(bool reset) {
    if (reset) test::WriteFile("/proc/self/clear_refs", "5");
    const std::string status = ReadFile("/proc/self/status");
    const std::size_t at = status.find("VmHWM:");
    return at == std::string::npos ? -1 : std::stol(status.substr(at + 6));
}

// A list file is read as it is built: ten times the lines take no more memory. Most lines are
// too long for Code 39, so the list is large while few files are written.
TEST(BatchLines, LongListsRunInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer's quarantine holds freed memory back; the normal build measures this.
    GTEST_SKIP() << "peak memory means nothing under AddressSanitizer";
#endif
    auto doc = Document(DocumentKind::Code39, u"KEEP");
    long peak[2] = {};
    const std::size_t counts[2] = {1000, 10000};
    const std::string longLine(2000, 'X');
    for (int run = 0; run < 2; ++run) {
        TempDir dir;
        {
            std::ofstream list(dir / "list.txt", std::ios::binary);
            for (std::size_t i = 0; i < counts[run]; ++i)
                list << (i % 10 ? longLine : "ITEM " + std::to_string(i)) << '\n';
        }
        FileBatchLines lines(dir / "list.txt", MarkupStyle::Bracket);
        BatchSettings settings;
        settings.mask = Utf8ToUtf16Text((dir / "m.bmp").string());
        settings.naming = BatchNaming::MaskAndNumber;
        settings.threads = 2;
        PeakKb(true);
        const BatchOutcome out = RunBatchBuild(*doc, settings, lines, {});
        peak[run] = PeakKb(false);
        EXPECT_EQ(out.written, counts[run] / 10);
        EXPECT_EQ(out.skipped, counts[run] - counts[run] / 10);
    }
    if (peak[0] < 0) GTEST_SKIP() << "no VmHWM";
    EXPECT_LT(peak[1] - peak[0], 4096) << peak[0] << " kB, then " << peak[1] << " kB";
}
}  // namespace
}  // namespace tsy

namespace tsy {
namespace {

// The host message stays in the document's markup style while the lines bring theirs, also in
// the copies of a threaded run.
TEST(BatchBuild, ZiggurHostKeepsTheDocumentsStyle) {
    for (unsigned threads : {1u, 2u}) {
        TempDir dir;
        CZiggurDoc doc;
        doc.m_HostSymbology = kZiggurHostCode128;
        doc.m_HostMessage = u"A[HT]b";  // bracket style, the document's
        doc.m_Symmetry = 0;
        doc.m_Message = u"KEEP";
        ASSERT_TRUE(doc.BuildSymbol());
        const std::string before = StoreDocumentBytes(doc);
        BatchSettings settings;
        settings.mask = Utf8ToUtf16Text((dir / "z.bmp").string());
        settings.naming = BatchNaming::MaskAndNumber;
        settings.style = MarkupStyle::C;
        settings.threads = threads;
        Outcome o;
        RunBatch(doc, settings, u"one\\ttab\r\ntwo", o);
        ASSERT_EQ(o.out.result, BatchResult::Created) << threads;
        for (const char* name : {"z1.bmp", "z2.bmp"}) {
            const test::Decoded d = DecodeBmp(ReadFile(dir / name), Symbology::Code128);
            ASSERT_TRUE(d.ok) << name << " " << d.error;
            EXPECT_EQ(d.bytes, "A\tb") << name;
        }
        EXPECT_EQ(StoreDocumentBytes(doc), before);
    }
}

}  // namespace
}  // namespace tsy

#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

// With verify, a line whose symbol the reader cannot read is logged and counted, the file still
// written; on one thread or several, and never without verify.
TEST(BatchBuild, VerifyLogsSymbolsThatDoNotReadBack) {
    for (const bool verify : {false, true})
        for (const unsigned threads : {1u, 2u}) {
            TempDir dir;
            CQRDoc doc;
            doc.m_Model = CQRDoc::kIsoModel;
            doc.m_ElementWidth = 10;  // one pixel a module ...
            doc.m_Undercut = 1;       // ... thinned away beside light ones
            BatchSettings settings;
            settings.mask = Utf8ToUtf16Text((dir / "v.png").string());
            settings.threads = threads;
            settings.verify = verify;
            Outcome o;
            RunBatch(doc, settings, u"first\nsecond", o);
            ASSERT_EQ(o.out.result, BatchResult::Created);
            EXPECT_EQ(o.out.written, 2u);
            EXPECT_EQ(o.out.unreadable, verify ? 2u : 0u);
            const std::string expected = verify ? "Line 0: Not readable by the reader: first\r\n"
                                                  "Line 1: Not readable by the reader: second\r\n"
                                                  "2 Symbols Created.\r\n"
                                                : "2 Symbols Created.\r\n";
            EXPECT_EQ(ReadFile(o.out.log), expected) << threads;
        }
}

}  // namespace
}  // namespace tsy
