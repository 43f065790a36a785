// Points the profile at a fresh directory for the whole test program, so no test reads or
// writes the user's settings and every run starts without a profile file.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace tsy::test {

class ConfigHomeEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tsy-doc-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    static std::filesystem::path ProfileFile() {
        return std::filesystem::path(getenv("XDG_CONFIG_HOME")) / "Corvanta" / "Tessaly.conf";
    }
    static void RemoveProfile() {
        std::error_code ec;
        std::filesystem::remove(ProfileFile(), ec);
    }

private:
    std::string dir_;
};

}  // namespace tsy::test
