#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoders/qr/qr_detail.h"
#include "encoders/qr/qr_encoder.h"
#include "imaging/symbol_raster.h"
#include "support/require.h"
#include "support/zxing_wasm.h"

namespace tsy::qr {
namespace {

// QR Code Model 1 is read by zxing-wasm only: versions 1..6 as found in a picture, 1..12 as a
// pure symbol. One message per version and level fills the version to its last codeword.
TEST(QrDecode, ZxingWasmReadsVersions1To12AtEveryLevel) {
    TSY_REQUIRE_TOOL(test::WasmReaderAvailable(), "zxing-wasm (tools/zxing-wasm)");
    constexpr int kModule = 3;
    std::vector<std::string> messages;
    std::vector<test::WasmJob> jobs;
    for (int level = 0; level < kQrLevels; ++level)
        for (int version = 1; version <= 12; ++version) {
            const int length =
                QrCapacityOf(version, level).dataCodewords - 2 - (version >= 10 ? 1 : 0);
            messages.push_back(test::RandomBytes(static_cast<uint32_t>(100 + version * 4 + level),
                                                 static_cast<std::size_t>(length)));
            const std::string& msg = messages.back();
            QREncodeArgs args{reinterpret_cast<const unsigned char*>(msg.data()),
                              length,
                              1,
                              0,
                              level,
                              kModule,
                              0};
            const OwnedRaster raster = QRRaster(args);
            ASSERT_TRUE(raster);
            const int32_t w = raster.width(), h = raster.height();
            ASSERT_EQ(w, QrSymbolSize(version) * kModule);
            test::WasmJob job;
            job.grey =
                test::RasterToGrey(raster.bits(), w, h, 4 * kModule, true, &job.width, &job.height);
            job.format = "QRCode";
            job.pure = version > 6;
            jobs.push_back(std::move(job));
        }
    const auto results = test::DecodeWithWasm(jobs);
    ASSERT_EQ(results.size(), jobs.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        const int level = static_cast<int>(i / 12), version = static_cast<int>(i % 12) + 1;
        EXPECT_TRUE(results[i].ok)
            << "version " << version << " level " << level << ": " << results[i].error;
        EXPECT_EQ(results[i].bytes, messages[i]) << "version " << version << " level " << level;
    }
}

}  // namespace
}  // namespace tsy::qr
