#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "cli/command_line_info.h"
#include "cli/message_file.h"
#include "cli/output_name.h"
#include "cli/utf8.h"

namespace tsy {
namespace {

CCommandLineInfoEx Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "tessaly");
    CCommandLineInfoEx info;
    info.ParseArguments(static_cast<int>(args.size()), args.data());
    return info;
}

struct SplitCase {
    const char* name;
    std::vector<const char*> args;
    std::vector<std::pair<std::string, std::string>> expected;
};

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, StoresExpectedValues) {
    const auto& c = GetParam();
    const auto info = Parse(c.args);
    std::map<std::string, std::string> expected(c.expected.begin(), c.expected.end());
    EXPECT_EQ(info.params(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTest,
    testing::Values(
        SplitCase{
            "EqualsForm", {"/symbol=C39", "/message=ABC"}, {{"symbol", "C39"}, {"message", "ABC"}}},
        SplitCase{"DashWorksLikeSlash", {"-ofile=x.png"}, {{"ofile", "x.png"}}},
        SplitCase{"ValuesAsNextArgument",
                  {"/ofile", "x.png", "/symbol", "QR", "/message", "hi"},
                  {{"ofile", "x.png"}, {"symbol", "QR"}, {"message", "hi"}}},
        SplitCase{"BareSwitchIsTrue", {"/addcaption"}, {{"addcaption", "TRUE"}}},
        SplitCase{"OnlyEqualsKeepsNamePending", {"/ofile=", "y.png"}, {{"ofile", "y.png"}}},
        SplitCase{"LeadingEqualsRemoved", {"/message===A=B"}, {{"message", "A=B"}}},
        SplitCase{"QuoteFirstStoresNothing", {"/mes\"sage=A"}, {}},
        SplitCase{"LaterValueReplaces", {"/message=A", "/message=B"}, {{"message", "B"}}},
        SplitCase{"PlainWithoutPendingIgnored", {"doc.azt", "/caption=c"}, {{"caption", "c"}}},
        SplitCase{"MissingValueAtEnd", {"/ofile"}, {{"ofile", "TRUE"}}},
        SplitCase{"NamesAreCaseSensitive", {"/Symbol=C39"}, {{"Symbol", "C39"}}},
        SplitCase{
            "GnuEqualsForm", {"--ofile=x.png", "--eci"}, {{"ofile", "x.png"}, {"eci", "TRUE"}}},
        SplitCase{"GnuValueAsNextArgument", {"--symbol", "QR"}, {{"symbol", "QR"}}},
        SplitCase{"ShortHelp", {"-h"}, {{"help", "TRUE"}}},
        SplitCase{"DoubleDashEndsOptions", {"--ofile", "--", "-x.png"}, {{"ofile", "-x.png"}}}),
    [](const auto& info) { return info.param.name; });

TEST(CommandLine, BareSwitchesAreKnown) {
    const auto info = Parse({"/addcaption", "/ofile", "x.png", "/message=", "/eci"});
    EXPECT_FALSE(info.IsBare("ofile"));
    EXPECT_TRUE(info.IsBare("addcaption")) << "a switch followed by another switch";
    EXPECT_TRUE(info.IsBare("eci"));
    EXPECT_FALSE(info.IsBare("message"));
}

TEST(CommandLine, PlainArgumentsSeenByFramework) {
    const auto info = Parse({"/ofile", "x.png", "label.C39"});
    EXPECT_EQ(info.plainArguments(), (std::vector<std::string>{"x.png", "label.C39"}));
    EXPECT_EQ(info.freeArguments(), (std::vector<std::string>{"label.C39"}));
    EXPECT_EQ(Parse({"/ofile=", "=", "a.azt"}).freeArguments(), (std::vector<std::string>{"="}))
        << "an ignored value leaves the name pending for the next argument";
}

TEST(CommandLine, IntegerAndBooleanConversions) {
    struct {
        const char* text;
        int32_t integer;
        bool boolean;
    } cases[] = {{"TRUE", 0, true},
                 {"true", 0, true},
                 {"1", 1, false},
                 {"  -12x", -12, false},
                 {"+7", 7, false},
                 {"abc", 0, false},
                 {"99999999999", 2147483647, false},
                 {"-99999999999", -2147483647 - 1, false},
                 {"TrUe", 0, true},
                 {"truex", 0, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInteger(c.text), c.integer) << c.text;
        EXPECT_EQ(ParseBoolean(c.text), c.boolean) << c.text;
    }
    const auto info = Parse({"/fnc3trail=1", "/fnc3lead"});
    EXPECT_FALSE(info.Boolean("fnc3trail", false));
    EXPECT_TRUE(info.Boolean("fnc3lead", false));
    EXPECT_EQ(info.Integer("addcaption", 1), 1);
    EXPECT_EQ(Parse({"/addcaption"}).Integer("addcaption", 1), 0);
}

TEST(OutputName, DerivedFromCaption) {
    struct {
        std::u16string caption, defext, expected;
    } cases[] = {
        {u"ABC", u"wmf", u"ABC.wmf"},    {u"A.B:C/D", u"wmf", u"A_B_C_D.wmf"},
        {u"", u"wmf", u".wmf"},          {u"", u".png", u".png"},
        {u"a____b", u"wmf", u"a_b.wmf"}, {u"a________b", u"wmf", u"a__b.wmf"},
        {u" _x_ ", u"wmf", u"x.wmf"},    {u"what?*,", u"png", u"what.png"},
    };
    for (const auto& c : cases) EXPECT_EQ(DeriveOutputName(c.caption, c.defext), c.expected);
}

TEST(OutputName, ExtensionRules) {
    EXPECT_TRUE(HasExtension(u"x.png"));
    EXPECT_FALSE(HasExtension(u"dir.d/name"));
    EXPECT_FALSE(HasExtension(u"dir.d\\name"));
    EXPECT_EQ(ExtensionOf(u"a.b/c.tar.gz"), u".gz");
    EXPECT_EQ(ExtensionOf(u"a.b/c"), u"");
    EXPECT_EQ(EnsureExtension(u"name", u"wmf"), u"name.wmf");
    EXPECT_EQ(EnsureExtension(u"name.png", u"wmf"), u"name.png");
    EXPECT_EQ(AppendExtension(u"n", u".gif"), u"n.gif");
}

TEST(MessageFile, LimitsAndErrors) {
    const std::string dir = testing::TempDir();
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(dir + name, std::ios::binary) << bytes;
        return dir + name;
    };
    auto r = ReadMessageFile(write("m1", std::string("A\0B", 3)));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, std::string("A\0B", 3));
    EXPECT_TRUE(ReadMessageFile(write("m4000", std::string(4000, 'x'))).ok);
    r = ReadMessageFile(write("m4001", std::string(4001, 'x')));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "File too large. The maximum number of \r\nbytes allowed is 4000.");
    r = ReadMessageFile(dir + "does-not-exist");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error.rfind("File could not be opened \r\n ", 0), 0u);
    EXPECT_FALSE(ReadMessageFile(dir).ok) << "a directory";
}

TEST(Utf8, RoundTripAndInvalidBytes) {
    EXPECT_EQ(Utf8ToUtf16("A\xC3\xA9\xF0\x9F\x98\x80"), u"A\u00E9\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(u"A\u00E9\U0001F600"), "A\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16("\xFF\xC3"), u"\u00FF\u00C3");
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\u00ED\u00A0\u0080") << "encoded surrogate";
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Utf8, FileNamesKeepEveryByte) {
    for (std::string name : {"plain.png", "caf\xC3\xA9.png", "bad\xFFname.png", "m\xE9.txt",
                             "\xED\xA0\x80\xF0\x9F\x98\x80\xC3"}) {
        EXPECT_EQ(NameToBytes(NameToUtf16(name)), name);
    }
    EXPECT_EQ(NameToUtf16("caf\xC3\xA9"), u"caf\u00E9") << "valid UTF-8 is text";
}

TEST(CommandLine, PathsAreNotSwitches) {
    const std::string existing = "-tessaly-switch-test.C39";  // in the current folder
    std::ofstream(existing) << "x";
    struct {
        std::string arg;
        bool isSwitch;
    } cases[] = {{"/ofile=/srv/out/x.png", true},
                 {"-symbol", true},
                 {"/eci", true},
                 {"/srv/labels/label.C39", false},
                 {"-dir/x=1", false},
                 {"label.C39", false},
                 {existing, false},
                 {"/name/=x", false}};
    for (const auto& c : cases) EXPECT_EQ(IsSwitchArgument(c.arg), c.isSwitch) << c.arg;
    std::remove(existing.c_str());
}

}  // namespace
}  // namespace tsy

#include "cli/help_texts.h"

namespace tsy {
namespace {

TEST(HelpTexts, TopicsKeepTheirWording) {
    const auto overview = HelpTextLines(HelpTopic::Overview);
    ASSERT_EQ(overview.size(), 15u);
    EXPECT_EQ(overview[1], "/symbol=[C128|C128M|C39|PDF|ACTEC|AZTECM|QR]");
    EXPECT_EQ(overview[9], "/ofile=name. If ommitted, create name from message");
    EXPECT_EQ(HelpTextLines(HelpTopic::Eci)[2],
              "The ECI is automatically derived fornt he codepage selection.");
    for (auto topic : {HelpTopic::Codepages1D, HelpTopic::Codepages2D}) {
        const auto lines = HelpTextLines(topic);
        const auto header = std::find(lines.begin(), lines.end(), "Codepages:");
        ASSERT_NE(header, lines.end());
        EXPECT_GT(lines.end() - header, 3) << "names follow the header";
        for (auto it = header + 1; it != lines.end(); ++it) {
            EXPECT_FALSE(it->empty());
            EXPECT_EQ(it->find(' '), std::string::npos) << *it;
        }
    }
    const std::string all = FullHelpText();
    for (auto topic : kHelpTopics) EXPECT_NE(all.find(HelpTopicTitle(topic)), std::string::npos);
}

}  // namespace
}  // namespace tsy

#include <random>

namespace tsy {
namespace {

// Random argument vectors: splitting and every conversion stay defined on any bytes.
TEST(CommandLine, RandomArgumentsNeverBreakTheSplitter) {
    std::mt19937 rng(7);
    const std::string alphabet = "/-=\"abcofilemsagTRUEtrue0123456789 +\xC3\xA9\xFF";
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> storage(rng() % 8);
        for (auto& arg : storage) {
            arg.resize(rng() % 12);
            for (auto& c : arg)
                c = rng() % 4 ? alphabet[rng() % alphabet.size()] : static_cast<char>(rng());
        }
        std::vector<const char*> argv{"tessaly"};
        for (const auto& a : storage) argv.push_back(a.c_str());
        CCommandLineInfoEx info;
        info.ParseArguments(static_cast<int>(argv.size()), argv.data());
        for (const auto& [name, value] : info.params()) {
            EXPECT_EQ(info.Text(name), value);
            (void)info.Integer(name, 0);
            (void)info.Boolean(name, false);
            EXPECT_FALSE(value.empty()) << "a stored value is never empty";
            EXPECT_NE(value.front(), '=') << "leading '=' removed";
        }
        EXPECT_LE(info.freeArguments().size(), info.plainArguments().size());
        for (const auto& a : storage) (void)Utf8ToUtf16(a);
    }
}

}  // namespace
}  // namespace tsy
