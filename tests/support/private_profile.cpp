#include "support/private_profile.h"

#include <stdlib.h>

namespace tsy::test {

void PrivateProfile::SetUp() {
    folder_ = std::make_unique<TempDir>();
    setenv("XDG_CONFIG_HOME", folder_->path().c_str(), 1);
}

std::filesystem::path PrivateProfile::ProfileFile() {
    return std::filesystem::path(getenv("XDG_CONFIG_HOME")) / "Corvanta" / "Tessaly.conf";
}

void PrivateProfile::RemoveProfile() {
    std::error_code ec;
    std::filesystem::remove(ProfileFile(), ec);
}

}  // namespace tsy::test
