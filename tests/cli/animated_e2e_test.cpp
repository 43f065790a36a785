// AZTECANIMATED on the command line: GIF names, the sequence's limits and their messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tessaly_run.h"

namespace tsy {
namespace {

class AnimatedProducerTest : public test::TessalyTest {};

const std::vector<std::string> kSequence = {"/symbol=AZTECANIMATED", "/symbols=3",
                                            "/message=HELLO WORLD 12345"};

std::vector<std::string> With(std::vector<std::string> more) {
    std::vector<std::string> args = kSequence;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::size_t Count(const std::string& bytes, const std::string& what) {
    std::size_t n = 0;
    for (auto at = bytes.find(what); at != std::string::npos; at = bytes.find(what, at + 1)) ++n;
    return n;
}

TEST_F(AnimatedProducerTest, WritesTheFramesAsAGifUnderItsName) {
    struct {
        std::vector<std::string> args;
        const char* file;
    } cases[] = {
        {With({"/ofile=seq"}), "seq.gif"},
        {With({"/ofile=seq.dat"}), "seq.dat"},
        {With({"/defext=png"}), "HELLO WORLD 12345.gif"},
        {{"/symbol=AZTECANIMATEDM", "/symbols=2", "/message=AB", "/ofile=m"}, "m.gif"},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 0) << c.file << ": " << r.err;
        const std::string gif = ReadFile(c.file);
        EXPECT_EQ(gif.substr(0, 6), "GIF89a") << c.file;
        EXPECT_GE(Count(gif, std::string("\x21\xF9\x04", 3)), 2u) << c.file;
    }
    EXPECT_EQ(Count(ReadFile("seq.gif"), std::string("\x21\xF9\x04\x08", 4)), 3u);
}

TEST_F(AnimatedProducerTest, OwnExtensionSavesTheDocument) {
    const auto r = Run(With({"/ofile=seq.azta", "/loops=4"}));
    ASSERT_EQ(r.status, 0) << r.err;
    // A compound file, rebuilt into the same GIF by a second run.
    EXPECT_EQ(ReadFile("seq.azta").substr(0, 4), "\xD0\xCF\x11\xE0");
    ASSERT_EQ(Run(With({"/ofile=a.gif", "/loops=4"})).status, 0);
    const auto again = Run({"seq.azta", "/ofile=b"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(ReadFile("b.gif"), ReadFile("a.gif"));
}

TEST_F(AnimatedProducerTest, OutOfRangeValuesAreRefusedWithTheirReason) {
    struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"/symbol=AZTECANIMATED", "/message=AB", "/ofile=x"},
         2,
         "Nothing was written: an animated sequence needs /symbols=2 to 26 (given 1)."},
        {{"/symbol=AZTECANIMATED", "/symbols=27", "/message=AB", "/ofile=x"},
         2,
         "needs /symbols=2 to 26 (given 27)."},
        {With({"/ofile=x", "/frametime=0"}), 2, "Frame time out of range: /frametime=0"},
        {With({"/ofile=x", "/frametime=65536"}), 2, "Frame time out of range: /frametime=65536"},
        {With({"/ofile=x", "/loops=-1"}), 2, "Loop count out of range: /loops=-1"},
        {With({"/ofile=x", "/loops=65536"}), 2, "Loop count out of range: /loops=65536"},
        {With({"/ofile=x", "/appendid=A B"}), 1,
         "The symbol could not be built: the append ID \"A B\" contains a space"},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(Exists("x.gif")) << c.message;
    }
}

}  // namespace
}  // namespace tsy
