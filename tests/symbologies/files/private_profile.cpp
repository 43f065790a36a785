// Every test of this program runs with its own empty profile.
#include "support/private_profile.h"

namespace {
const auto* const kProfile = ::testing::AddGlobalTestEnvironment(new tsy::test::PrivateProfile);
}
