#include <gtest/gtest.h>

#include <string>

#include "encoders/qr_iso/qr_iso_encoder.h"
#include "imaging/symbol_raster.h"
#include "support/qr_iso_capacity.h"

namespace tsy::qr_iso {
namespace {

OwnedRaster Encode(const std::string& msg, int level, int moduleSize, bool reverse) {
    const QREncodeArgs args{reinterpret_cast<const unsigned char*>(msg.data()),
                            static_cast<int32_t>(msg.size()),
                            2,
                            reverse ? 1 : 0,
                            level,
                            moduleSize,
                            0};
    return QRModel2Raster(args);
}

// The byte capacity is the edge: it fits the version, one byte more needs the next.
TEST(QrIso, SmallestVersionThatHoldsTheMessage) {
    for (int level = 0; level < 4; ++level)
        for (int version = 1; version <= 40; ++version) {
            const int cap = test::QrIsoByteCapacity(version, level);
            const std::string fits(static_cast<std::size_t>(cap), '\xE9');
            const auto m =
                QRModel2Matrix(reinterpret_cast<const uint8_t*>(fits.data()), cap, level);
            ASSERT_TRUE(m) << "version " << version << " level " << level;
            EXPECT_EQ(m->width(), 4 * version + 17) << "version " << version << " level " << level;
            const std::string more = fits + 'x';
            const auto next =
                QRModel2Matrix(reinterpret_cast<const uint8_t*>(more.data()), cap + 1, level);
            if (version == 40)
                EXPECT_FALSE(next) << "level " << level;
            else
                EXPECT_EQ(next ? next->width() : 0, 4 * version + 21)
                    << "version " << version << " level " << level;
        }
}

TEST(QrIso, BadArgumentsGiveNoRaster) {
    const uint8_t byte = 'A';
    struct Case {
        const uint8_t* message;
        int32_t length;
        int32_t level;
    } cases[] = {{nullptr, 1, 1}, {&byte, 0, 1}, {&byte, -1, 1}, {&byte, 1, 4}, {&byte, 1, -1}};
    for (const Case& c : cases) {
        const QREncodeArgs args{c.message, c.length, 2, 0, c.level, 3, 0};
        const OwnedRaster r = QRModel2Raster(args);
        EXPECT_FALSE(r) << c.length << " " << c.level;
        EXPECT_EQ(r.width(), 0);
        EXPECT_EQ(r.height(), 0);
    }
}

// The raster path is that of the program's own QR encoder: module size in pixels, reverse video
// swapping every pixel, normal video dark as 0 bits.
TEST(QrIso, RasterScalesTheMatrix) {
    const std::string msg = "raster";
    const auto m = QRModel2Matrix(reinterpret_cast<const uint8_t*>(msg.data()), 6, 0);
    ASSERT_TRUE(m);
    const OwnedRaster normal = Encode(msg, 0, 3, false), reverse = Encode(msg, 0, 3, true);
    ASSERT_TRUE(normal && reverse);
    ASSERT_EQ(normal.width(), 3 * m->width());
    ASSERT_EQ(normal.height(), 3 * m->height());
    for (int y = 0; y < normal.height(); ++y)
        for (int x = 0; x < normal.width(); ++x) {
            ASSERT_EQ(normal.bit(x, y), m->get(x / 3, y / 3) ? 0 : 1) << x << "," << y;
            ASSERT_EQ(reverse.bit(x, y), 1 - normal.bit(x, y)) << x << "," << y;
        }
}

}  // namespace
}  // namespace tsy::qr_iso
