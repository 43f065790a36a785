// Copies made for other threads and resolutions build the same symbol as the original.
#include <gtest/gtest.h>

#include "export/document_copy.h"
#include "symbologies/document_serialize.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy {
namespace {

TEST(CopyDocument, KeepsWhatTheFileLeavesOut) {
    CZiggurDoc doc;
    doc.m_Message = u"ZIGGUR";
    doc.m_HostMessage = u"HOST";
    doc.m_DefaultHostHeight = 0;
    doc.SetResolution(600);
    ASSERT_TRUE(doc.BuildSymbol());
    const std::unique_ptr<CEncoderDoc> copy = CopyDocument(doc);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(dynamic_cast<const CZiggurDoc&>(*copy).m_DefaultHostHeight, 0);
    EXPECT_EQ(copy->Resolution(), 600);
    ASSERT_TRUE(copy->BuildSymbol());
    EXPECT_EQ(StoreDocumentBytes(*copy), StoreDocumentBytes(doc));  // the picture included
}

}  // namespace
}  // namespace tsy
