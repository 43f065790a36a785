// Points the profile at a fresh folder for a whole test program, so no test reads or writes the
// user's settings and every program starts without a profile file. Register it once per program:
//   ::testing::AddGlobalTestEnvironment(new tsy::test::PrivateProfile);
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "support/test_files.h"

namespace tsy::test {

class PrivateProfile : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    static std::filesystem::path ProfileFile();
    static void RemoveProfile();

private:
    std::unique_ptr<TempDir> folder_;
};

}  // namespace tsy::test
