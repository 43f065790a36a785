// Replacing a file never harms what was there. Runs as an unprivileged user (uid 65534) when
// started by root, so that permissions mean what they mean to a user.
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "cli/tessaly_run.h"

namespace fs = std::filesystem;

namespace tsy {
namespace {

class FileSafetyTest : public test::TessalyTest {
protected:
    const test::RunAs kUser{true, 0};

    // A file the unprivileged user owns.
    void Own(const std::string& name, mode_t mode) {
        if (geteuid() == 0) {
            ASSERT_EQ(lchown((dir_ / name).c_str(), 65534, 65534), 0);
        }
        if (!fs::is_symlink(dir_ / name)) {
            ASSERT_EQ(chmod((dir_ / name).c_str(), mode), 0);
        }
    }
    mode_t Mode(const std::string& name) {
        struct stat st {};
        stat((dir_ / name).c_str(), &st);
        return st.st_mode & 07777;
    }
    // Hidden entries are what a temporary file would leave.
    std::vector<std::string> Hidden() {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            if (e.path().filename().string()[0] == '.') names.push_back(e.path().filename());
        return names;
    }
    test::RunResult Save(const std::string& name, const test::RunAs& as) {
        return Run({"/symbol=C39", "/message=ABC", "/ofile=" + name}, as);
    }
};

TEST_F(FileSafetyTest, ProtectionOfTheOldFileIsKept) {
    const std::string old = "old contents";
    struct {
        const char* name;
        mode_t mode;
        int status;
    } cases[] = {{"ro.png", 0444, 1}, {"private.png", 0600, 0}, {"group.png", 0640, 0}};
    for (const auto& c : cases) {
        WriteFile(c.name, old);
        Own(c.name, c.mode);
        const auto r = Save(c.name, kUser);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err;
        EXPECT_EQ(Mode(c.name), c.mode) << c.name;
        if (c.status != 0) {
            EXPECT_EQ(r.err, std::string(c.name) + ": Permission denied\n");
            EXPECT_EQ(ReadFile(c.name), old);
        } else {
            EXPECT_TRUE(Decode(c.name, test::Symbology::Code39).ok) << c.name;
        }
    }
    EXPECT_TRUE(Hidden().empty());
}

TEST_F(FileSafetyTest, ASymlinksTargetIsReplacedAndTheLinkKept) {
    fs::create_directory(dir_ / "real");
    fs::permissions(dir_ / "real", fs::perms::all);
    WriteFile("real/target.png", "old");
    Own("real/target.png", 0640);
    fs::create_symlink("real/target.png", dir_ / "link.png");
    Own("link.png", 0);
    const auto r = Save("link.png", kUser);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.png"));
    EXPECT_EQ(fs::read_symlink(dir_ / "link.png"), "real/target.png");
    EXPECT_EQ(Mode("real/target.png"), 0640u);
    EXPECT_TRUE(Decode("real/target.png", test::Symbology::Code39).ok);
}

TEST_F(FileSafetyTest, AFifoIsWrittenDirectly) {
    ASSERT_EQ(mkfifo((dir_ / "pipe.png").c_str(), 0666), 0);
    Own("pipe.png", 0666);
    std::string received;
    std::thread reader([&] { received = ReadFile("pipe.png"); });
    const auto r = Save("pipe.png", kUser);
    reader.join();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(received.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.png"));
    EXPECT_TRUE(Hidden().empty());
}

TEST_F(FileSafetyTest, StandardOutputTakesTheSymbolAndNothingElse) {
    fs::create_symlink("/dev/stdout", dir_ / "out.png");
    const auto r = Run({"/symbol=C39", "/message=ABC", "/ofile=out.png"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_TRUE(fs::is_symlink(dir_ / "out.png"));
}

// A full disk, simulated by a file-size limit: the C++ pair is written completely or not at all.
TEST_F(FileSafetyTest, AFullDiskLeavesBothCppFilesOld) {
    WriteFile("sym.cpp", "old source");
    WriteFile("sym.h", "old header");
    Own("sym.cpp", 0644);
    Own("sym.h", 0644);
    const std::vector<std::string> args = {"/symbol=AZTEC", "/message=" + std::string(300, 'x'),
                                           "/ofile=sym.cpp"};
    const auto full = Run(args, {true, 16 * 1024});
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("File too large"), std::string::npos) << full.err;
    EXPECT_EQ(ReadFile("sym.cpp"), "old source");
    EXPECT_EQ(ReadFile("sym.h"), "old header");
    EXPECT_TRUE(Hidden().empty());
    ASSERT_EQ(Run(args, kUser).status, 0);
    EXPECT_NE(ReadFile("sym.h").find("#define _TSY_sym_H_"), std::string::npos);
    EXPECT_GT(ReadFile("sym.cpp").size(), 16u * 1024);
}

TEST_F(FileSafetyTest, KillingARunLeavesNoDebrisAndNoTruncatedTarget) {
    // A large picture: a long run, and a file big enough to be caught half written.
    const std::vector<std::string> args = {"/symbol=AZTEC", "/message=" + std::string(600, 'K'),
                                           "/xelement=10", "/ofile=big.cpp"};
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Run(args, kUser).status, 0);
    // Kills land anywhere from start-up to a little after a whole run would have ended.
    const auto run = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start)
                             .count() *
                         6 / 5 +
                     1;
    const std::string complete = ReadFile("big.cpp");
    const std::string header = ReadFile("big.h");
    // A run may leave a helper finishing its rename; it becomes ours to wait for.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    std::mt19937 rng(14);
    for (int i = 0; i < 100; ++i) {
        const pid_t pid = Start(args, kUser);
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % run));
        kill(pid, SIGKILL);
        int status = 0;
        while (waitpid(-1, &status, 0) > 0) {
        }
        ASSERT_EQ(ReadFile("big.cpp"), complete) << "kill " << i;
        ASSERT_EQ(ReadFile("big.h"), header) << "kill " << i;
        ASSERT_EQ(Hidden(), std::vector<std::string>{}) << "kill " << i;
    }
}

}  // namespace
}  // namespace tsy
