// The ZIGGUR keyword and its host options, end to end through the tessaly binary.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tessaly_run.h"

namespace tsy {
namespace {

class ZiggurProducerTest : public test::TessalyTest {};

// A reader finds the host in the written picture, for every /host name.
TEST_F(ZiggurProducerTest, EveryHostIsReadFromThePicture) {
    const struct {
        const char* host;
        const char* hostMessage;
        test::Symbology symbology;
        const char* read;
    } cases[] = {
        {"C39", "ZIG-1", test::Symbology::Code39, "ZIG-1"},
        {"ean", "12345", test::Symbology::EAN13, "0000000123457"},
        {"ITF", "123456", test::Symbology::ITF, "123456"},
        {"ITFB", "12345", test::Symbology::ITF, "012345"},  // readers want 6 digits
        {"C93", "Zig 93", test::Symbology::Code93, "Zig 93"},
        {"C128", "Zig 128", test::Symbology::Code128, "Zig 128"},
    };
    for (const auto& c : cases) {
        const auto r = Run({"/symbol=ZIGGUR", std::string("/host=") + c.host,
                            std::string("/hostmessage=") + c.hostMessage, "/message=Layers 42",
                            "/symmetry=0", "/barrier=1", "/addcaption=0", "/ofile=z.png"});
        ASSERT_EQ(r.status, 0) << c.host << ": " << r.err;
        const auto d = Decode("z.png", c.symbology);
        ASSERT_TRUE(d.ok) << c.host << ": " << d.error;
        EXPECT_EQ(d.bytes, c.read) << c.host;
    }
}

TEST_F(ZiggurProducerTest, SavedDocumentRebuildsTheSamePicture) {
    const std::vector<std::string> common = {"/symbol=ziggur", "/host=C128", "/hostmessage=Z 7",
                                             "/message=HELLO 42", "/symmetry=1"};
    auto args = common;
    args.push_back("/ofile=z.zig");
    ASSERT_EQ(Run(args).status, 0);
    args = common;
    args.push_back("/ofile=direct.png");
    ASSERT_EQ(Run(args).status, 0);
    const auto r = Run({"z.zig", "/ofile=again.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile("again.png"), ReadFile("direct.png"));
}

// ZIGGUR is tested last: a keyword holding an older one keeps that one's meaning.
TEST_F(ZiggurProducerTest, OlderKeywordsComeFirst) {
    ASSERT_EQ(Run({"/symbol=ZIGGURC39", "/message=ABC", "/addcaption=0", "/ofile=x.png"}).status,
              0);
    const auto d = Decode("x.png", test::Symbology::Code39);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bytes, "ABC");
}

TEST_F(ZiggurProducerTest, BadValuesAreUsageErrors) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"/host=UPC"}, 2, "Host symbology unknown:\nUPC"},
        {{"/symmetry=3"}, 2, "/symmetry takes 0, 1 or 2."},
        {{"/symmetry=x"}, 2, "/symmetry takes 0, 1 or 2."},
        {{"/barrier=2"}, 2, "/barrier takes 0 or 1."},
        {{"/host"}, 2, "Missing value for /host."},
        {{"/hostmesage=1"}, 2, "Did you mean /hostmessage?"},
        {{"/host=C39", "/hostmessage=ab"}, 1, "\"ab\" cannot be written as Code 39 host."},
        {{"/host=C128", "/hostmessage="}, 1, "cannot be written as Code 128 host."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"/symbol=ZIGGUR", "/message=x", "/ofile=bad.png"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = Run(args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(Exists("bad.png")) << c.message;
    }
    EXPECT_NE(Run({"/help"}).out.find("/symbol=ZIGGUR"), std::string::npos);
}

}  // namespace
}  // namespace tsy
