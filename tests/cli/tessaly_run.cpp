#include "cli/tessaly_run.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace tsy::test {
namespace {

constexpr uid_t kNobody = 65534;

std::string Slurp(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// In the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void Exec(const std::string& exe, const std::vector<std::string>& args,
                       const fs::path& dir, const char* out, const char* err, const RunAs& as,
                       const std::vector<std::string>& env) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    setenv("XDG_CONFIG_HOME", (dir / "cfg").c_str(), 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    for (const std::string& entry : env) putenv(const_cast<char*>(entry.c_str()));
    const int o = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    const int e = open(err, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (o < 0 || e < 0 || dup2(o, 1) < 0 || dup2(e, 2) < 0) _exit(127);
    if (as.fileSizeLimit > 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(as.fileSizeLimit),
                           static_cast<rlim_t>(as.fileSizeLimit)};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
    }
    if (as.unprivileged && geteuid() == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(127);
    }
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(exe.c_str(), argv.data());
    _exit(127);
}

std::string Executable(const std::string& chosen) {
    if (!chosen.empty()) return chosen;
    const char* bin = std::getenv("TSY_BINARY_DIR");
    return std::string(bin ? bin : ".") + "/tessaly";
}

}  // namespace

void TessalyTest::SetUp() {
    dir_ = fs::path(testing::TempDir()) /
           ("tessaly-e2e-" + std::to_string(getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "cfg");
    // An unprivileged run must be able to write here.
    fs::permissions(dir_, fs::perms::all);
    fs::permissions(dir_ / "cfg", fs::perms::all);
}

void TessalyTest::TearDown() {
    fs::remove_all(dir_);
}

RunResult TessalyTest::Run(const std::vector<std::string>& args, const RunAs& as) {
    const std::string exe = Executable(executable_);
    const fs::path out = dir_ / "cfg" / "stdout.txt";
    const fs::path err = dir_ / "cfg" / "stderr.txt";
    const pid_t pid = fork();
    if (pid == 0) Exec(exe, args, dir_, out.c_str(), err.c_str(), as, env_);
    int status = 0;
    waitpid(pid, &status, 0);
    RunResult r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
}

pid_t TessalyTest::Start(const std::vector<std::string>& args, const RunAs& as) {
    const std::string exe = Executable(executable_);
    const pid_t pid = fork();
    if (pid == 0) Exec(exe, args, dir_, "/dev/null", "/dev/null", as, env_);
    return pid;
}

void TessalyTest::WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
}

std::string TessalyTest::ReadFile(const std::string& name) const {
    return Slurp(dir_ / name);
}

bool TessalyTest::Exists(const std::string& name) const {
    return fs::exists(dir_ / name);
}

Decoded TessalyTest::Decode(const std::string& name, Symbology s, bool extended39) {
    const fs::path pgm = dir_ / "cfg" / "decode.pgm";
    const std::string cmd = "/usr/bin/convert '" + (dir_ / name).string() +
                            "' -bordercolor white -border 20 -colorspace gray -depth 8 '" +
                            pgm.string() + "'";
    if (std::system(cmd.c_str()) != 0) return {};
    std::ifstream f(pgm, std::ios::binary);
    std::string magic;
    int w = 0, h = 0, max = 0;
    f >> magic >> w >> h >> max;
    f.get();
    std::vector<uint8_t> grey(static_cast<std::size_t>(w) * h);
    f.read(reinterpret_cast<char*>(grey.data()), static_cast<std::streamsize>(grey.size()));
    DecodeOptions o;
    o.quietZone = 0;
    o.code39Extended = extended39;
    return DecodeGrey(grey, w, h, s, o);
}

std::pair<int, int> TessalyTest::ImageSize(const std::string& name) {
    const fs::path size = dir_ / "cfg" / "size.txt";
    const std::string cmd = "/usr/bin/identify -format '%w %h' '" + (dir_ / name).string() +
                            "' > '" + size.string() + "'";
    if (std::system(cmd.c_str()) != 0) return {0, 0};
    std::ifstream f(size);
    int w = 0, h = 0;
    f >> w >> h;
    return {w, h};
}

}  // namespace tsy::test
