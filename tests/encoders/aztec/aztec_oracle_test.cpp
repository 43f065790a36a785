// Round trips through zxing-cpp: whatever we draw must read back as exactly the message bytes.
#include <gtest/gtest.h>

#include <random>

#include "encoders/aztec/aztec_test_util.h"
#include "support/zxing_decode.h"

namespace tsy::test {
namespace {

Decoded DecodeAztec(const std::string& message, const AztecOptions& o = {}) {
    OwnedRaster r = EncodeRaster(message, o);
    if (!r) {
        Decoded d;
        d.error = "no symbol";
        return d;
    }
    return DecodeRaster(r.bits(), r.width(), r.height(), Symbology::Aztec);
}

TEST(AztecOracle, Smoke) {
    for (const std::string& m : std::vector<std::string>{"ABC", "Hello World", "AB12ab", "a", std::string(40, '\x80')}) {
        const Decoded d = DecodeAztec(m);
        EXPECT_TRUE(d.ok) << m << " " << d.error;
        EXPECT_EQ(d.bytes, m);
    }
}

}  // namespace
}  // namespace tsy::test
