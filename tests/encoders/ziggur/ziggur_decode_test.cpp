#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "encoders/ziggur/ziggur_host_detail.h"
#include "support/zxing_decode.h"
#include "ziggur_test_util.h"

namespace tsy::ziggur {
namespace {

constexpr int kModule = 2;

struct HostKind {
    char letter;
    tsy::test::Symbology symbology;
    std::string alphabet;
    std::size_t maxLength;
};

// The message a reader returns for a host message.
std::string Expected(char letter, const std::string& message) {
    if (letter == 'U') return EanDigits(message);
    if ((letter == 'I' || letter == 'B') && message.size() % 2) return "0" + message;
    return message;
}

TEST(ZiggurDecode, ReaderReadsEveryHost) {
    std::string ascii;
    for (int c = 1; c < 128; ++c) ascii += static_cast<char>(c);
    const std::string digits = "0123456789";
    const HostKind kinds[] = {
        {'3', tsy::test::Symbology::Code39, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. ", 47},
        {'U', tsy::test::Symbology::EAN13, digits, 12},
        {'I', tsy::test::Symbology::ITF, digits, 47},
        {'B', tsy::test::Symbology::ITF, digits, 47},
        {'9', tsy::test::Symbology::Code93, ascii, 20},
        {'1', tsy::test::Symbology::Code128, ascii, 24},
        {'1', tsy::test::Symbology::Code128, "0123456789\x01x", 40},
    };
    const std::string message = "Ziggur over a linear host";
    int read = 0;
    // The host rows sit at the bottom of a symbol without symmetry, over the solid bearer.
    for (const HostKind& k : kinds) {
        for (uint32_t seed = 1; seed <= 25; ++seed) {
            const std::size_t minLength = k.letter == 'I' || k.letter == 'B' ? 6 : 1;
            const std::size_t length = minLength + seed % (k.maxLength - minLength + 1);
            const std::string host =
                tsy::test::RandomBytes(seed * 31 + k.letter, length, k.alphabet);
            ZiggurHostRecord record = test::Host(k.letter, host);
            ZiggurHostRows rows;
            ZiggurHostLayout layout;
            // Code 93 and Code 128 hosts of many shifted characters can exceed 640 columns.
            if (!EncodeZiggurHost(record, rows, layout)) continue;
            const OwnedRaster r = ZiggurRaster(test::Args(message, kModule), record);
            ASSERT_TRUE(r) << k.letter << " seed " << seed;
            const int hostRows = std::max((3 * layout.width + 39) / 40, 6);
            const int rowPx = 2 * kModule;
            const int bottom = rows.solidBearer.empty() ? 0 : 1;
            const int firstPx = r.height() - (bottom + hostRows) * rowPx;
            const tsy::test::Decoded d = tsy::test::DecodeRaster(
                r.bits() + static_cast<std::size_t>(firstPx) * static_cast<std::size_t>(r.stride()),
                r.width(), hostRows * rowPx, k.symbology);
            ASSERT_TRUE(d.ok) << k.letter << " seed " << seed << " '" << host << "': " << d.error;
            EXPECT_EQ(d.bytes, Expected(k.letter, host)) << k.letter << " seed " << seed;
            ++read;
        }
    }
    EXPECT_GE(read, 150);
}

}  // namespace
}  // namespace tsy::ziggur
