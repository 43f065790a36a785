#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "encoders/qr/qr_detail.h"
#include "encoders/qr/qr_encoder.h"
#include "imaging/raster_limits.h"
#include "imaging/symbol_raster.h"
#include "support/zxing_decode.h"

namespace tsy::qr {
namespace {

struct Call {
    OwnedRaster raster;
    int32_t height = -1, width = -1;
    void* bits = reinterpret_cast<void*>(1);
};

Call Encode(const std::string& msg, int level, int moduleSize, int reverse = 0, int model = 1,
            int undercut = 0) {
    QREncodeArgs args{reinterpret_cast<const unsigned char*>(msg.data()),
                      static_cast<int32_t>(msg.size()),
                      model,
                      reverse,
                      level,
                      moduleSize,
                      undercut};
    Call c;
    BlockHandle block = QREncode(&args, &c.height, &c.width, &c.bits);
    c.raster = OwnedRaster(block, c.height, c.width, c.bits);
    return c;
}

TEST(QrEntry, SizesFollowVersionAndModuleSize) {
    struct {
        std::size_t length;
        int level, moduleSize, pixels;
    } cases[] = {{17, TSY_QR_LEVEL_L, 1, 21},   {17, TSY_QR_LEVEL_L, 3, 63},
                 {18, TSY_QR_LEVEL_L, 2, 50},   {0, TSY_QR_LEVEL_M, 0, 21},
                 {1, TSY_QR_LEVEL_H, -5, 21},   {1289, TSY_QR_LEVEL_H, 2, 354},
                 {2048, TSY_QR_LEVEL_L, 1, 149}};
    for (auto c : cases) {
        Call r = Encode(std::string(c.length, 'q'), c.level, c.moduleSize);
        ASSERT_TRUE(r.raster) << c.length;
        EXPECT_EQ(r.height, c.pixels);
        EXPECT_EQ(r.width, c.pixels);
        EXPECT_EQ(BlockLockCount(r.raster.handle()), 1);
        EXPECT_EQ(r.bits, r.raster.bits());
    }
}

TEST(QrEntry, RefusalsGiveNullAndZeroedOutputs) {
    QREncodeArgs args{nullptr, 5, 1, 0, 0, 1, 0};
    int32_t h = 7, w = 7;
    void* bits = &h;
    EXPECT_EQ(QREncode(&args, &h, &w, &bits), nullptr);  // no message
    EXPECT_EQ(h, 0);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(QREncode(nullptr, &h, &w, &bits), nullptr);
    struct {
        std::size_t length;
        int level, declaredLength;
    } cases[] = {{2049, 0, 2049}, {100000, 1, 100000}, {1290, 2, 1290},
                 {10, 4, 10},     {10, -1, 10},        {10, 0, -1}};
    for (auto c : cases) {
        const std::string msg(c.length, 'x');
        QREncodeArgs a{reinterpret_cast<const unsigned char*>(msg.data()),
                       c.declaredLength,
                       1,
                       0,
                       c.level,
                       1,
                       0};
        EXPECT_EQ(QREncode(&a, &h, &w, &bits), nullptr) << c.length << "/" << c.level;
    }
    // A module size whose raster would exceed the limits is refused by the scaler.
    EXPECT_FALSE(Encode("x", 0, 100000).raster);
}

TEST(QrEntry, ReverseVideoComplementsEveryBitAndModelChangesNothing) {
    const std::string msg = test::RandomBytes(5, 40);
    Call normal = Encode(msg, TSY_QR_LEVEL_Q, 3);
    Call reverse = Encode(msg, TSY_QR_LEVEL_Q, 3, 1);
    Call model2 = Encode(msg, TSY_QR_LEVEL_Q, 3, 0, 2);
    Call model9 = Encode(msg, TSY_QR_LEVEL_Q, 3, 0, 9);
    ASSERT_TRUE(normal.raster && reverse.raster && model2.raster && model9.raster);
    const auto bytes = static_cast<std::size_t>(RasterStride(normal.width) * normal.height);
    for (std::size_t i = 0; i < bytes; ++i)
        ASSERT_EQ(normal.raster.bits()[i] ^ reverse.raster.bits()[i], 0xFF) << i;
    EXPECT_EQ(std::memcmp(normal.raster.bits(), model2.raster.bits(), bytes), 0);
    EXPECT_EQ(std::memcmp(normal.raster.bits(), model9.raster.bits(), bytes), 0);
}

TEST(QrEntry, RandomInputNeverCrashes) {
    for (uint32_t seed = 0; seed < 60; ++seed) {
        const std::string msg = test::RandomBytes(seed, seed * 37 % 2100);
        const int level = static_cast<int>(seed % 6) - 1;
        const int moduleSize = static_cast<int>(seed % 5) - 2;
        Call r = Encode(msg, level, moduleSize, static_cast<int>(seed & 1), 1,
                        static_cast<int>(seed % 4) - 1);
        const int version = QrChooseVersion(static_cast<int>(msg.size()), level);
        EXPECT_EQ(static_cast<bool>(r.raster), version != 0) << seed;
        if (r.raster) {
            EXPECT_EQ(r.width, QrSymbolSize(version) * (moduleSize > 0 ? moduleSize : 1));
        }
    }
}

TEST(QrEntry, RevisionText) {
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    GetQREncoderRevString(buffer);
    EXPECT_STREQ(buffer, "1.17.1.12 ");
    EXPECT_EQ(buffer[11], 'x');
    GetQREncoderRevString(nullptr);
}

}  // namespace
}  // namespace tsy::qr
