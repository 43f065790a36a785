#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "document/config_home.h"
#include "export/batch_build.h"
#include "platform/message_sink.h"
#include "platform/utf8_text.h"
#include "support/zxing_decode.h"
#include "symbologies/document_serialize.h"
#include "symbologies/document_types.h"
#include "test_files.h"

namespace tsy {
namespace {

using test::ReadFile;
using test::Symbology;
using test::TempDir;

const auto* const kConfigHome =
    ::testing::AddGlobalTestEnvironment(new test::ConfigHomeEnvironment);

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
    doc->m_Message = message;
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
     u"../up\r\na/b\r\ndup\r\ndup\r\n..",
     BatchNaming::Message,
     "out/n.bmp",
     {{"out/.._up.bmp", "../up"},
      {"out/a_b.bmp", "a/b"},
      {"out/dup.bmp", "dup"},
      {"out/dup_2.bmp", "dup"},
      {"out/_.bmp", ".."}},
     "out/n.log",
     "5 Symbols Created.\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Batch, BatchPartCases, ::testing::ValuesIn(kPartCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tsy
