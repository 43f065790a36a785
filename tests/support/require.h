// Tests that need an outside reader or tool skip without it on a developer's machine, and fail
// in CI, where a skipped test would read as a passed one.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace tsy::test {

inline bool InCi() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && *ci != '\0' && std::string_view(ci) != "false";
}

}  // namespace tsy::test

#define TSY_REQUIRE_TOOL(available, what)                                     \
    do {                                                                      \
        if (!(available)) {                                                   \
            if (::tsy::test::InCi()) FAIL() << (what) << " is missing in CI"; \
            GTEST_SKIP() << (what) << " is missing";                          \
        }                                                                     \
    } while (0)
