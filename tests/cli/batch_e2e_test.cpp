// `tessaly /batch`: one file per line, the log beside the mask, and an exit status a script
// can trust.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/tessaly_run.h"

namespace tsy {
namespace {

class BatchCommandTest : public test::TessalyTest {};

TEST_F(BatchCommandTest, WritesOneFilePerLineAndTellsTheOutcome) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string list;
        int status;
        std::string err;                           // the start of stderr
        std::map<std::string, std::string> files;  // name -> what it decodes to
        std::map<std::string, std::string> logs;   // name -> content
    } cases[] = {
        {"numbered",
         {"/symbol=AZTEC", "/namemode=0", "/ofile=out/item.png", "/threads=2"},
         "one\ntwo\r\nthree",
         0,
         "",
         {{"out/item1.png", "one"}, {"out/item2.png", "two"}, {"out/item3.png", "three"}},
         {{"out/item.log", "3 Symbols Created.\r\n"}}},
        {"data loss",
         {"/symbol=AZTEC", "/ofile=out/m.png", "/addcaption=0"},
         "\xCE\xA9\nok",
         3,
         "1/2 Symbols are inaccurate; see out/m.log.\n",
         {{"out/ok.png", "ok"}, {"out/\xCE\xA9.png", "?"}},
         {{"out/m.log",
           "Line 0: Data loss due to translation: \xCE\xA9\r\n"
           "1/2 Symbols are inaccurate.\r\n"}}},
        {"too long for Code 39",
         {"/symbol=C39", "/namemode=0", "/ofile=out/c.png", "/addcaption=0"},
         std::string(60, 'A') + "\n" + std::string(59, 'B'),
         1,
         "1 lines skipped as too long; see out/c.log.\n",
         {{"out/c1.png", std::string(59, 'B')}},
         {{"out/c.log", "Line 0: skipped, longer than 59 characters\r\n1 Symbols Created.\r\n"}}},
        {"no output folder",
         {"/symbol=QR", "/ofile=none/q.png"},
         "a",
         1,
         "none/q.log: No such file or directory\n",
         {},
         {}},
        {"no mask", {"/symbol=QR"}, "a", 2, "/batch needs an output file mask", {}, {}},
        {"misspelt",
         {"/symbol=QR", "/ofile=q.png", "/namemod=0"},
         "a",
         2,
         "Unknown option /namemod. Did you mean /namemode?\n",
         {},
         {}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir_ / "out");
        std::filesystem::create_directory(dir_ / "out");
        WriteFile("list.txt", c.list);
        std::vector<std::string> args = c.args;
        args.push_back("/batch=list.txt");
        const test::RunResult r = Run(args);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err;
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << c.name;
        for (const auto& [name, text] : c.files) {
            const test::Decoded d =
                Decode(name, c.args[0] == "/symbol=C39" ? test::Symbology::Code39
                                                        : test::Symbology::Aztec);
            EXPECT_TRUE(d.ok && d.bytes == text) << c.name << ": " << name << " " << d.error;
        }
        for (const auto& [name, text] : c.logs) EXPECT_EQ(ReadFile(name), text) << c.name;
        std::size_t written = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_ / "out"))
            ++written;
        EXPECT_EQ(written, c.files.size() + c.logs.size()) << c.name;
    }
}

}  // namespace
}  // namespace tsy
