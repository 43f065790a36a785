// Without symbol options and with a display, tessaly hands its arguments to tessaly-gui.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "cli/tessaly_run.h"

namespace fs = std::filesystem;

namespace tsy::test {
namespace {

class WindowProgramTest : public TessalyTest {
protected:
    // A copy of tessaly in the test folder, so "beside the executable" is a folder we control.
    std::string CopyOfTessaly() {
        const char* bin = std::getenv("TSY_BINARY_DIR");
        const fs::path copy = dir_ / "own" / "tessaly";
        fs::create_directories(copy.parent_path());
        fs::copy_file(fs::path(bin ? bin : ".") / "tessaly", copy);
        return copy.string();
    }
    void WriteStub(const fs::path& folder, const std::string& tag) {
        fs::create_directories(dir_ / folder);
        const fs::path stub = dir_ / folder / "tessaly-gui";
        WriteFile((folder / "tessaly-gui").string(),
                  "#!/bin/sh\necho " + tag + " \"$@\"\nexit 7\n");
        chmod(stub.c_str(), 0755);
    }
};

TEST_F(WindowProgramTest, DisplayStartsTheWindowProgramWithTheSameArguments) {
    const std::string exe = CopyOfTessaly();
    WriteStub("own", "beside");
    WriteStub("bin", "path");
    const std::string path = "PATH=" + (dir_ / "bin").string();
    struct {
        std::vector<std::string> env;
        bool besideStub;
        int status;
        const char* out;
    } cases[] = {
        {{"DISPLAY=:99", path}, true, 7, "beside label.azt"},
        {{"WAYLAND_DISPLAY=wayland-9", path}, true, 7, "beside label.azt"},
        {{"DISPLAY=:99", path}, false, 7, "path label.azt"},
        {{"DISPLAY=:99", "PATH=/nonexistent"}, false, 2, ""},
        {{"DISPLAY=", path}, true, 2, ""},
    };
    for (const auto& c : cases) {
        if (!c.besideStub) fs::remove(dir_ / "own" / "tessaly-gui");
        env_ = c.env;
        executable_ = exe;
        const auto r = Run({"label.azt"});
        EXPECT_EQ(r.status, c.status) << c.env[0] << " " << c.out;
        if (c.status == 2) {
            EXPECT_NE(r.err.find("Command line options:"), std::string::npos) << c.env[0];
        } else {
            EXPECT_EQ(r.out, std::string(c.out) + "\n");
        }
        if (!c.besideStub) WriteStub("own", "beside");
    }
}

TEST_F(WindowProgramTest, SymbolOptionsNeverStartTheWindow) {
    env_ = {"DISPLAY=:99"};
    executable_ = CopyOfTessaly();
    WriteStub("own", "beside");
    const auto r = Run({"/symbol=C39", "/message=ABC", "/ofile=x.png"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Exists("x.png"));
}

}  // namespace
}  // namespace tsy::test
