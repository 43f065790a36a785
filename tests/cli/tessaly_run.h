// Runs the tessaly binary in a temporary folder of its own and reads back what it wrote.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/zxing_decode.h"

namespace tsy::test {

struct RunResult {
    int status = -1;  // the exit status; -1 when killed
    std::string out;
    std::string err;
};

struct RunAs {
    bool unprivileged = false;  // as uid and gid 65534 when started by root
    long fileSizeLimit = 0;     // RLIMIT_FSIZE in bytes (SIGXFSZ ignored), 0 for none
};

class TessalyTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    RunResult Run(const std::vector<std::string>& args, const RunAs& as = {});
    // Starts a run and returns at once; stdout and stderr go to /dev/null.
    pid_t Start(const std::vector<std::string>& args, const RunAs& as = {});

    void WriteFile(const std::string& name, const std::string& bytes);
    std::string ReadFile(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // Reads an image through ImageMagick as 8-bit grey and decodes it.
    Decoded Decode(const std::string& name, Symbology s, bool extended39 = false);
    std::pair<int, int> ImageSize(const std::string& name);

    std::filesystem::path dir_;
    // Runs start without DISPLAY and WAYLAND_DISPLAY, so no run opens the window program;
    // these NAME=value entries are set on top.
    std::vector<std::string> env_;
    std::string executable_;  // empty: the tessaly of the build
};

}  // namespace tsy::test
