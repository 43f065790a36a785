// Every test of this program runs with its own empty profile.
#include "symbologies/files/file_test_support.h"

namespace {
const auto* const kProfile = ::testing::AddGlobalTestEnvironment(new tsy::test::PrivateProfile);
}
