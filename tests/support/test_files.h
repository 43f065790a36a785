// Temporary folders, files and external tools shared by the tests.
#pragma once

#include <filesystem>
#include <string>

namespace tsy::test {

// A fresh folder under the system's temporary directory, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// Runs a shell command; its standard output, or *ok = false when it exits non-zero.
std::string RunTool(const std::string& command, bool* ok);
bool ToolAvailable(const std::string& path);

// Quoted for the shell.
std::string Quote(const std::filesystem::path& path);

}  // namespace tsy::test
