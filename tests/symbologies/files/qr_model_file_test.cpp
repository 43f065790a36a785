// The QR model in a document file: 0 and 1 keep the program's own symbol, 2 the standard one, and
// each survives saving, reopening and rebuilding.
#include <gtest/gtest.h>

#include "encoders/qr/qr_encoder.h"
#include "encoders/qr_iso/qr_iso_encoder.h"
#include "imaging/symbol_raster.h"
#include "symbologies/document_serialize.h"
#include "symbologies/files/file_test_support.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

using Entry = OwnedRaster (*)(const QREncodeArgs&) noexcept;

// The picture of a build without caption is the raster, dark where a normal-video bit is 0.
void ExpectPictureIsRaster(const RgbImage& picture, const OwnedRaster& raster) {
    ASSERT_TRUE(raster);
    ASSERT_EQ(picture.width, raster.width());
    ASSERT_EQ(picture.height, raster.height());
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            ASSERT_EQ(picture.isBlack(x, y), raster.bit(x, y) == 0) << x << "," << y;
}

TEST(QrModelFile, EachModelKeepsItsSymbolThroughTheFile) {
    const struct {
        int32_t model;
        Entry entry;
    } cases[] = {
        {0, &qr::QRRaster}, {1, &qr::QRRaster}, {CQRDoc::kIsoModel, &qr_iso::QRModel2Raster}};
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        CQRDoc doc;
        doc.m_Message = u"Model \u00e9 0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        doc.m_ErrorCorrectionLevel = 3;
        doc.m_Model = c.model;
        ASSERT_TRUE(doc.BuildSymbol());

        const QREncodeArgs args{reinterpret_cast<const unsigned char*>(doc.m_MessageBytes.data()),
                                static_cast<int32_t>(doc.m_MessageBytes.size()),
                                1,
                                0,
                                3,
                                static_cast<int32_t>(doc.ModulePixels().x),
                                0};
        ExpectPictureIsRaster(doc.m_Picture.Picture(), c.entry(args));

        const auto path = dir.path() / ("m" + std::to_string(c.model) + ".qr");
        std::string error;
        ASSERT_TRUE(SaveDocument(doc, path, &error)) << error;
        auto back = OpenDocument(path, &error);
        ASSERT_TRUE(back) << error;
        auto* qr = dynamic_cast<CQRDoc*>(back.get());
        ASSERT_TRUE(qr);
        EXPECT_EQ(qr->m_Model, c.model);
        EXPECT_TRUE(qr->m_Picture.Picture().pixels == doc.m_Picture.Picture().pixels);
        ASSERT_TRUE(qr->BuildSymbol());
        EXPECT_TRUE(qr->m_Picture.Picture().pixels == doc.m_Picture.Picture().pixels);
    }
}

}  // namespace
}  // namespace tsy
