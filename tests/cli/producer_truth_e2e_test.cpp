// The command line tells the truth: what it takes as a path or an option, what it lost, why it
// failed, and nothing but its own messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/tessaly_run.h"

namespace fs = std::filesystem;

namespace tsy {
namespace {

class TruthTest : public test::TessalyTest {};

TEST_F(TruthTest, AbsolutePathsAreArgumentsNotOptions) {
    ASSERT_EQ(Run({"/symbol=C39", "/message=ABC", "/ofile=label.C39"}).status, 0);
    const std::string doc = (dir_ / "label.C39").string();
    const std::string out = (dir_ / "out.png").string();
    for (const auto& args : std::vector<std::vector<std::string>>{
             {doc, "/ofile=" + out}, {"/ofile", out, doc}, {"-ofile=" + out, doc}}) {
        fs::remove(out);
        const auto r = Run(args);
        ASSERT_EQ(r.status, 0) << args[0] << ": " << r.err;
        const auto d = Decode("out.png", test::Symbology::Code39);
        EXPECT_TRUE(d.ok && d.bytes == "ABC") << args[0];
    }
}

TEST_F(TruthTest, UnknownOptionsStopBeforeAnythingIsWritten) {
    struct {
        const char* option;
        const char* message;
    } cases[] = {
        {"/ofle=x.png", "Unknown option /ofle. Did you mean /ofile?\n"},
        {"/OFILE=x.png", "Unknown option /OFILE. Did you mean /ofile?\n"},
        {"/ofiles=x.png", "Unknown option /ofiles. Did you mean /ofile?\n"},
        {"/colour=red", "Unknown option /colour.\n"},
    };
    for (const auto& c : cases) {
        const auto r = Run({"/symbol=QR", "/message=hi", c.option});
        EXPECT_EQ(r.status, 2) << c.option;
        EXPECT_EQ(r.err, c.message);
        EXPECT_FALSE(Exists("hi.wmf") || Exists("x.png")) << c.option;
    }
    const auto help = Run({"/help"});
    EXPECT_NE(help.out.find("== Exit status ==\n0  the symbol file was written\n"),
              std::string::npos);
    EXPECT_NE(help.out.find("\n3  the file was written, but characters"), std::string::npos);
}

TEST_F(TruthTest, DataLossIsReportedAndTheFileStillWritten) {
    struct {
        const char* symbol;
        const char* message;
        test::Symbology s;
        int status;
        const char* err;
        const char* decoded;
    } cases[] = {
        {"C128",
         "Gr\xC3\xBC\xC3\x9F"
         "e",
         test::Symbology::Code128, 3,
         "Data loss: 2 characters of the message are not in Iso 646 (ASCII); they were replaced "
         "or dropped.\n",
         "Gre"},
        {"AZTEC",
         "\xE2\x82\xAC"
         "uro",
         test::Symbology::Aztec, 3,
         "Data loss: 1 character of the message is not in Iso 8859-1 Western European; it was "
         "replaced or dropped.\n",
         "?uro"},
        {"AZTEC",
         "Gr\xC3\xBC\xC3\x9F"
         "e",
         test::Symbology::Aztec, 0, "",
         "Gr\xFC\xDF"
         "e"},
    };
    for (const auto& c : cases) {
        fs::remove(dir_ / "m.png");
        const auto r = Run({std::string("/symbol=") + c.symbol,
                            std::string("/message=") + c.message, "/ofile=m.png", "/addcaption=0"});
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_EQ(r.err, c.err);
        const auto d = Decode("m.png", c.s);
        EXPECT_TRUE(d.ok && d.bytes == c.decoded) << c.message << " read as " << d.bytes;
    }
}

TEST_F(TruthTest, TypedControlCharactersReachTheSymbol) {
    struct {
        const char* symbol;
        test::Symbology s;
        std::string message;
    } cases[] = {
        {"AZTEC", test::Symbology::Aztec, "a\nb"},
        {"C128", test::Symbology::Code128, "a\tb"},
        {"PDF", test::Symbology::PDF417, "x\r\ny\x1D"},
    };
    for (const auto& c : cases) {
        const auto r = Run({std::string("/symbol=") + c.symbol, "/message=" + c.message,
                            "/ofile=c.png", "/addcaption=0"});
        ASSERT_EQ(r.status, 0) << c.symbol << ": " << r.err;
        const auto d = Decode("c.png", c.s);
        EXPECT_TRUE(d.ok && d.bytes == c.message) << c.symbol << " read as " << d.bytes;
    }
}

TEST_F(TruthTest, MessageFilesAreReadInTheSymbolsCodepage) {
    const std::string utf8 =
        "Gr\xC3\xBC\xC3\x9F"
        "e";
    const std::string cp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";  // Privet
    struct {
        std::string bytes;
        const char* codepage;
        std::string expected;
    } cases[] = {
        {utf8, "/codepage=UTF8", utf8},
        {"\xEF\xBB\xBF" + utf8, "/codepage=UTF8", utf8},
        {cp1251, "/codepage=1251", cp1251},
        {"A\xE9\xFF", "/codepage=8859-1", "A\xE9\xFF"},
    };
    for (const auto& c : cases) {
        WriteFile("m.txt", c.bytes);
        for (bool eci : {false, true}) {
            std::vector<std::string> args = {"/symbol=AZTEC", "/ifile=m.txt", c.codepage,
                                             "/ofile=f.png"};
            if (eci) args.push_back("/eci");
            const auto r = Run(args);
            ASSERT_EQ(r.status, 0) << c.codepage << ": " << r.err;
            const auto d = Decode("f.png", test::Symbology::Aztec);
            EXPECT_TRUE(d.ok && d.bytes == c.expected) << c.codepage << " read as " << d.bytes;
            EXPECT_EQ(d.hasEci, eci) << c.codepage;
        }
    }
}

TEST_F(TruthTest, FailuresSayWhy) {
    fs::create_directory(dir_ / "dir.png");
    struct {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{"/symbol=QR", "/message=A", "/xelement=5000", "/ofile=x.png"},
         "The symbol could not be built: the module width of 5000 mil is out of range for QR "
         "(1 to 250 mil).\n"},
        {{"/symbol=AZTEC", "/message=" + std::string(5000, 'A'), "/ofile=x.png"},
         "The symbol could not be built: the message (5000 bytes) does not fit Aztec with the "
         "default error correction in 1 symbol at a module width of 25 mil.\n"},
        {{"/symbol=C128", "/message=\xC3\xBC", "/ofile=x.png"},
         "The symbol could not be built: the message is empty after translation to Iso 646 "
         "(ASCII).\n"},
        {{"/symbol=PDF", "/message=" + std::string(3000, 'A'), "/ofile=x.png"},
         "\nToo Many Data+Check Words!\nThe symbol could not be built: the message (3000 bytes) "
         "does not fit PDF417 with 2 data columns at error correction level 4 at a module width "
         "of 5 mil.\n"},
        {{"/symbol=C39", "/message=A", "/ofile=dir.png"}, "dir.png: Is a directory\n"},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 1) << c.err;
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "") << "standard output is for the help alone";
        EXPECT_FALSE(Exists("x.png"));
    }
}

TEST_F(TruthTest, FileNamesAreBytes) {
    const std::string input = "m\xE9.txt";  // a Latin-1 name
    const std::string output = "bad\xFFname.png";
    WriteFile(input, "HI");
    const auto r = Run({"/symbol=C39", "/ifile=" + input, "/ofile=" + output});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(Exists(output));
    const auto d = Decode(output, test::Symbology::Code39);
    EXPECT_TRUE(d.ok && d.bytes == "HI");
}

TEST_F(TruthTest, ADamagedDocumentGetsOneMessage) {
    ASSERT_EQ(Run({"/symbol=C39", "/message=ABC", "/ofile=good.C39"}).status, 0);
    const std::string good = ReadFile("good.C39");
    ASSERT_GT(good.size(), 1024u);
    // The header stays, the sector tables become noise.
    WriteFile("bad.C39", good.substr(0, 512) + test::RandomBytes(7, good.size() - 512));
    const auto r = Run({"bad.C39", "/ofile=d.png"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "bad.C39: Unexpected file format.\n");
    EXPECT_FALSE(Exists("d.png"));
}

}  // namespace
}  // namespace tsy

namespace tsy::test {
namespace {

class GnuSpellingTest : public TessalyTest {};

TEST_F(GnuSpellingTest, HelpVersionAndDoubleDashOptions) {
    for (const char* help : {"--help", "-h", "/help"}) {
        const RunResult r = Run({help});
        EXPECT_EQ(r.status, 0) << help;
        EXPECT_NE(r.out.find("/symbol=[C128|C128M|C39|PDF|ACTEC|AZTECM|QR]"), std::string::npos);
    }
    const RunResult version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tessaly 2.0.0.299\nPDF417 encoder ", 0), 0u) << version.out;
    EXPECT_NE(version.out.find("\nQR encoder "), std::string::npos);
    EXPECT_EQ(Run({"--symbol", "AZTEC", "--message=hi", "--ofile", "a.png"}).status, 0);
    EXPECT_EQ(Decode("a.png", Symbology::Aztec).bytes, "hi");
}

}  // namespace
}  // namespace tsy::test
