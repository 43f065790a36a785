// /qrmodel on the command line: which symbol each value gives, what it refuses, and the file
// round trip of a standard QR Code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tessaly_run.h"

namespace tsy {
namespace {

class QrModelTest : public test::TessalyTest {};

const char kMessage[] = "/message=https://example.org/tessaly?q=40";

TEST_F(QrModelTest, ValuesGiveTheOwnOrTheStandardSymbol) {
    struct {
        const char* option;  // nullptr: none
        const char* file;
        bool standard;
    } cases[] = {{nullptr, "none.png", false},      {"/qrmodel=0", "m0.png", false},
                 {"/qrmodel=1", "m1.png", false},   {"/qrmodel=2", "m2.png", true},
                 {"/qrmodel=iso", "iso.png", true}, {"--qrmodel=ISO", "gnu.png", true}};
    for (const auto& c : cases) {
        std::vector<std::string> args = {"/symbol=QR", kMessage, std::string("/ofile=") + c.file};
        if (c.option) args.push_back(c.option);
        const auto r = Run(args);
        ASSERT_EQ(r.status, 0) << c.file << ": " << r.err;
        const std::string same = ReadFile(c.standard ? "m2.png" : "none.png");
        EXPECT_EQ(ReadFile(c.file), same) << c.file;
        EXPECT_NE(ReadFile(c.file), ReadFile(c.standard ? "none.png" : "m2.png")) << c.file;
    }
    // Debian's zxing-cpp 1.4 reads none of the program's own symbols; it reads the standard one as
    // Model 2.
    const auto d = Decode("m2.png", test::Symbology::QRCode);
    EXPECT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bytes, "https://example.org/tessaly?q=40");
    EXPECT_EQ(d.symbologyId, "]Q1");
    EXPECT_FALSE(Decode("none.png", test::Symbology::QRCode).ok);
}

TEST_F(QrModelTest, RefusalsSayWhy) {
    const std::string tooLong = "/message=" + std::string(2954, 'A');
    struct {
        std::vector<std::string> args;
        int status;
        const char* err;
    } cases[] = {
        {{"/symbol=QR", kMessage, "/qrmodel=3"}, 2, "QR model unknown: 3 (0, 1, 2 or iso).\n"},
        {{"/symbol=QR", kMessage, "/qrmodel"}, 2, "Missing value for /qrmodel.\n"},
        {{"/symbol=PDF", kMessage, "/qrmodel=2"}, 2, "/qrmodel applies to /symbol=QR only.\n"},
        {{"/symbol=QR", tooLong, "/qrmodel=2"},
         1,
         "The symbol could not be built: the message (2954 bytes) does not fit QR Model 2 (ISO "
         "18004) at error correction level L at a module width of 25 mil.\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("/ofile=x.png");
        const auto r = Run(args);
        EXPECT_EQ(r.status, c.status) << args[2];
        EXPECT_EQ(r.err, c.err) << args[2];
        EXPECT_FALSE(Exists("x.png")) << args[2];
    }
}

TEST_F(QrModelTest, SavedStandardDocumentWritesTheSamePicture) {
    ASSERT_EQ(Run({"/symbol=QR", kMessage, "/qrmodel=2", "/ofile=s.qr"}).status, 0);
    ASSERT_EQ(Run({"/symbol=QR", kMessage, "/qrmodel=2", "/ofile=direct.png"}).status, 0);
    const auto r = Run({"s.qr", "/ofile=again.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile("again.png"), ReadFile("direct.png"));
}

}  // namespace
}  // namespace tsy
