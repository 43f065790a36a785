// Runs the tessaly binary in a temporary directory and reads what it wrote.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/tessaly_run.h"

namespace fs = std::filesystem;

namespace tsy {
namespace {

class ProducerTest : public test::TessalyTest {};

TEST_F(ProducerTest, Code39ToPngWithCaption) {
    const auto r = Run({"/symbol=C39", "/message=ABC", "/ofile=x.png"});
    EXPECT_EQ(r.status, 0) << r.err;
    const auto d = Decode("x.png", test::Symbology::Code39);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bytes, "ABC");
}

TEST_F(ProducerTest, DerivedOutputNames) {
    struct {
        std::vector<std::string> args;
        const char* file;
    } cases[] = {
        {{"/symbol=c39", "/message=ABC"}, "ABC.wmf"},
        {{"/symbol=C39", "/message=A.B:C/D"}, "A_B_C_D.wmf"},
        {{"/symbol=C39", "/message=ABC", "/ofile=name", "/defext=png"}, "name.wmf"},
        {{"-symbol", "C39", "-message", "AB", "-defext", "png"}, "AB.png"},
        {{"/symbol=C39", "/message=ABC", "/caption=x y.z", "/defext=bmp"}, "x y_z.bmp"},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 0) << c.file << ": " << r.err;
        EXPECT_TRUE(Exists(c.file)) << c.file;
    }
}

TEST_F(ProducerTest, CaptionFromMessageUnlessSwitchedOff) {
    ASSERT_EQ(Run({"/symbol=C39", "/message=ABC", "/ofile=with.png"}).status, 0);
    ASSERT_EQ(Run({"/symbol=C39", "/message=ABC", "/ofile=bare.png", "/addcaption"}).status, 0);
    ASSERT_EQ(Run({"/symbol=C39", "/message=ABC", "/ofile=zero.png", "/addcaption=0"}).status, 0);
    const auto with = ImageSize("with.png");
    EXPECT_GT(with.second, ImageSize("bare.png").second);
    EXPECT_EQ(ImageSize("bare.png"), ImageSize("zero.png"));
}

TEST_F(ProducerTest, ValuesAsSeparateArguments) {
    const auto r = Run({"/ofile", "x.png", "/symbol", "C128", "/message", "hi", "/addcaption=0"});
    EXPECT_EQ(r.status, 0) << r.err;
    const auto d = Decode("x.png", test::Symbology::Code128);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.bytes, "hi");
}

TEST_F(ProducerTest, Fnc3OnlyForTrueText) {
    ASSERT_EQ(Run({"/symbol=C128", "/message=AB", "/ofile=plain.png", "/addcaption=0"}).status, 0);
    ASSERT_EQ(
        Run({"/symbol=C128", "/message=AB", "/ofile=one.png", "/addcaption=0", "/fnc3trail=1"})
            .status,
        0);
    ASSERT_EQ(
        Run({"/symbol=C128", "/message=AB", "/ofile=true.png", "/addcaption=0", "/fnc3trail=TRUE"})
            .status,
        0);
    EXPECT_EQ(ImageSize("plain.png"), ImageSize("one.png"));
    EXPECT_GT(ImageSize("true.png").first, ImageSize("plain.png").first);
}

TEST_F(ProducerTest, SymbologySelectionBySubstring) {
    const auto r = Run({"/symbol=XC128Y", "/message=Z1", "/ofile=x.png", "/addcaption=0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Decode("x.png", test::Symbology::Code128).ok);
}

TEST_F(ProducerTest, UsageErrorsReportTheirText) {
    WriteFile("big.txt", std::string(4001, 'x'));
    struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"/symbol=ACTEC", "/message=x"}, "Symbology unknown:\nACTEC"},
        // The animated sequence, tested before AZTEC, wants its symbol count.
        {{"/symbol=AZTECANIMATEDM", "/message=x"},
         "an animated sequence needs /symbols=2 to 26 (given 1)"},
        {{"/Symbol=C39", "/message=ABC"}, "Unknown option /Symbol. Did you mean /symbol?"},
        {{"/symbol=C39", "/message=ABC", "/codepage=zzz"}, "Codepage unknown\n zzz"},
        {{"/symbol=C39"}, "No Message or file provided."},
        {{"/symbol=C39", "/ifile=big.txt"},
         "File too large. The maximum number of \nbytes allowed is 4000."},
        {{"/symbol=C39", "/ifile=missing.txt"}, "File could not be opened \n No such file"},
        {{"/symbol=C39", "/message=ABC", "/ofile"}, "Missing value for /ofile."},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(Exists("TRUE.wmf"));
    EXPECT_FALSE(Exists("ABC.wmf"));
}

TEST_F(ProducerTest, NoOptionsPrintsHelpAndFails) {
    const auto r = Run({});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("Command line options:"), std::string::npos);
    EXPECT_EQ(Run({"/help"}).status, 0);
}

TEST_F(ProducerTest, MessageFileBytesAllReachTheSymbol) {
    WriteFile("nul.txt", std::string("A\0B", 3));
    WriteFile("crlf.txt", "A\r\nB[x]\x01");
    WriteFile("digits.txt", std::string(2500, '7'));
    struct {
        const char* file;
        std::string expected;
    } cases[] = {{"nul.txt", std::string("A\0B", 3)},
                 {"crlf.txt", "A\r\nB[x]\x01"},
                 {"digits.txt", std::string(2500, '7')}};
    for (const auto& c : cases) {
        const auto r = Run({"/symbol=AZTEC", std::string("/ifile=") + c.file, "/ofile=m.png"});
        ASSERT_EQ(r.status, 0) << c.file << ": " << r.err;
        const auto d = Decode("m.png", test::Symbology::Aztec);
        ASSERT_TRUE(d.ok) << c.file;
        EXPECT_EQ(d.bytes, c.expected) << c.file;
    }
}

TEST_F(ProducerTest, MessageFileOfExactly4000BytesIsAccepted) {
    WriteFile("exact.txt", std::string(4000, 'Q'));
    const auto r = Run({"/symbol=AZTEC", "/ifile=exact.txt", "/ofile=m.png"});
    EXPECT_EQ(r.status, 1) << "read, but more than an Aztec symbol holds";
    EXPECT_EQ(r.err.find("too large"), std::string::npos) << r.err;
}

TEST_F(ProducerTest, FileMessageNeverBecomesTheCaption) {
    WriteFile("m.txt", "HELLO");
    const auto r = Run({"/symbol=C39", "/ifile=m.txt"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Exists(".wmf"));
}

TEST_F(ProducerTest, EciOnlyWithACodepage) {
    ASSERT_EQ(Run({"/symbol=AZTEC", "/message=x", "/eci", "/ofile=a.png"}).status, 0);
    auto d = Decode("a.png", test::Symbology::Aztec);
    ASSERT_TRUE(d.ok);
    EXPECT_FALSE(d.hasEci);
    ASSERT_EQ(
        Run({"/symbol=AZTEC", "/message=x", "/eci", "/codepage=8859-2", "/ofile=b.png"}).status, 0);
    d = Decode("b.png", test::Symbology::Aztec);
    ASSERT_TRUE(d.ok);
    EXPECT_TRUE(d.hasEci);
    EXPECT_EQ(d.bytes, "x");
}

TEST_F(ProducerTest, GeneratedMessagesDecode) {
    struct {
        const char* symbol;
        test::Symbology s;
        bool extended39;
        bool readerInit;
    } kinds[] = {{"AZTEC", test::Symbology::Aztec, false, false},
                 {"AZTECM", test::Symbology::Aztec, false, true},
                 {"PDF", test::Symbology::PDF417, false, false},
                 {"C128", test::Symbology::Code128, false, false},
                 {"C39", test::Symbology::Code39, true, false}};
    const std::string alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 -.$/+%";
    uint32_t seed = 1;
    for (const auto& k : kinds) {
        for (int caption = 0; caption < 2; ++caption) {
            for (int i = 0; i < 3; ++i) {
                const std::size_t length = 1 + (seed * 7) % 30;
                const std::string msg = test::RandomBytes(seed++, length, alphabet);
                const auto r =
                    Run({std::string("/symbol=") + k.symbol, "/message=" + msg, "/ofile=g.png",
                         caption ? "/caption=Caption" : "/addcaption=0"});
                ASSERT_EQ(r.status, 0) << k.symbol << " " << msg << ": " << r.err;
                const auto d = Decode("g.png", k.s, k.extended39);
                ASSERT_TRUE(d.ok) << k.symbol << " [" << msg << "] caption " << caption;
                EXPECT_EQ(d.bytes, msg) << k.symbol;
                EXPECT_EQ(d.readerInit, k.readerInit) << k.symbol;
            }
        }
    }
}

std::string ReadAll(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

TEST_F(ProducerTest, SavedDocumentsExportTheSamePicture) {
    struct {
        const char* symbol;
        const char* ext;
    } types[] = {{"AZTEC", "azt"}, {"PDF", "417"}, {"QR", "qr"}, {"C128", "128"}, {"C39", "C39"}};
    for (const auto& t : types) {
        const std::string doc = std::string("x.") + t.ext;
        const std::vector<std::string> common = {std::string("/symbol=") + t.symbol,
                                                 "/message=HELLO 42", "/caption=Cap"};
        auto args = common;
        args.push_back("/ofile=" + doc);
        ASSERT_EQ(Run(args).status, 0) << doc;
        args = common;
        args.push_back("/ofile=direct.png");
        ASSERT_EQ(Run(args).status, 0);
        const auto r = Run({doc, "/ofile=y.png"});
        ASSERT_EQ(r.status, 0) << doc << ": " << r.err;
        EXPECT_EQ(ReadAll(dir_ / "y.png"), ReadAll(dir_ / "direct.png")) << doc;
    }
    const auto missing = Run({"missing.azt", "/ofile=z.png"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("Failed to open document."), std::string::npos);
    WriteFile("junk.qr", "not a document");
    EXPECT_NE(Run({"junk.qr", "/ofile=z.png"}).status, 0);
    EXPECT_FALSE(Exists("z.png"));
}

TEST_F(ProducerTest, QrHasTheEncodersSize) {
    ASSERT_EQ(
        Run({"/symbol=QR", "/message=ABCDEFGHIJKLMNOPQ", "/ofile=q.png", "/addcaption=0"}).status,
        0);
    const auto size = ImageSize("q.png");
    EXPECT_EQ(size.first, size.second);
    EXPECT_EQ(size.first % 21, 0) << "version 1: 21 modules";
}

TEST_F(ProducerTest, WriteFailuresLeaveNothingBehind) {
    fs::create_directories(dir_ / "ro");
    fs::permissions(dir_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    WriteFile("keep.png", "old contents");
    struct {
        std::vector<std::string> args;
    } cases[] = {
        {{"/symbol=C39", "/message=ABC", "/ofile=no-such-dir/x.png"}},
        {{"/symbol=C39", "/message=ABC", "/ofile=x.unknownext"}},
        {{"/symbol=C39", "/message=\xC3\xA9\xC3\xA9", "/ofile=keep.png"}},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_FALSE(Exists("x.unknownext"));
    std::ifstream keep(dir_ / "keep.png");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(keep), {}), "old contents");
    if (geteuid() != 0) {
        EXPECT_EQ(Run({"/symbol=C39", "/message=A", "/ofile=ro/x.png"}).status, 1);
    }
}

TEST_F(ProducerTest, OddNamesAndHugeArguments) {
    EXPECT_EQ(Run({"/symbol=C39", "/message=AB", "/ofile=with space \xC3\xA9.png"}).status, 0);
    EXPECT_TRUE(Exists("with space \xC3\xA9.png"));
    const auto r = Run({"/symbol=AZTEC", "/message=" + std::string(100000, 'A'), "/ofile=h.png"});
    EXPECT_EQ(r.status, 1) << "too long for any Aztec symbol";
    EXPECT_FALSE(Exists("h.png"));
    WriteFile("bin.dat", test::RandomBytes(5, 60));  // two default columns hold little
    EXPECT_EQ(Run({"/symbol=PDF", "/ifile=bin.dat", "/ofile=b.png"}).status, 0);
    const auto big = Run({"/symbol=C39", "/message=A", "/xelement=2000000000", "/ofile=z.png"});
    EXPECT_EQ(big.status, 2);
    EXPECT_NE(big.err.find("too large"), std::string::npos);
}

}  // namespace
}  // namespace tsy
