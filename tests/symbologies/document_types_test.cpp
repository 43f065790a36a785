#include "symbologies/document_types.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "document/class_ids.h"

namespace tsy {
namespace {

TEST(DocumentTypes, SevenTypesInRegistrationOrder) {
    const auto types = DocumentTypes();
    ASSERT_EQ(types.size(), 7u);
    const DocumentKind order[] = {
        DocumentKind::Aztec,   DocumentKind::Ziggur, DocumentKind::PDF417,       DocumentKind::QR,
        DocumentKind::Code128, DocumentKind::Code39, DocumentKind::AztecAnimated};
    const int resources[] = {129, 130, 131, 135, 139, 146, 150};
    std::set<std::u16string> extensions;
    for (std::size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(types[i].kind, order[i]);
        EXPECT_EQ(types[i].resourceId, resources[i]);
        EXPECT_FALSE(types[i].classId.isNull());
        EXPECT_EQ(FindDocumentTypeByClassId(types[i].classId), &types[i]);
        EXPECT_EQ(&FindDocumentType(types[i].kind), &types[i]);
        extensions.insert(std::u16string(types[i].extension));
    }
    EXPECT_EQ(extensions.size(), 7u);
}

TEST(DocumentTypes, DocumentStrings) {
    EXPECT_EQ(DocumentString(FindDocumentType(DocumentKind::Aztec)),
              u"\nAztec\nAztec\nAztec Barcode (*.azt)\n.azt\nBarcodeAztec\nBarcode Symbol - Aztec");
    EXPECT_EQ(DocumentString(FindDocumentType(DocumentKind::Code39)),
              u"\nCode39\nCode39\nCode39 Barcode (*.C39)\n.C39\nBarcodeCode39\nBarcode Symbol - "
              u"Code39");
    EXPECT_EQ(DocumentString(FindDocumentType(DocumentKind::AztecAnimated)),
              u"\nAztec\nAztec\nAztec Animated Barcode (*.azta)\n.azta\nBarcodeAztecAnimated\n"
              u"Barcode Symbol - Aztec Animated");
}

TEST(DocumentTypes, LookUpByExtension) {
    EXPECT_EQ(FindDocumentTypeByExtension(u".c39")->kind, DocumentKind::Code39);
    EXPECT_EQ(FindDocumentTypeByExtension(u"417")->kind, DocumentKind::PDF417);
    EXPECT_EQ(FindDocumentTypeByExtension(u".AZTA")->kind, DocumentKind::AztecAnimated);
    EXPECT_EQ(FindDocumentTypeByExtension(u".azt")->kind, DocumentKind::Aztec);
    EXPECT_EQ(FindDocumentTypeByExtension(u".png"), nullptr);
    EXPECT_EQ(FindDocumentTypeByExtension(u""), nullptr);
    EXPECT_EQ(FindDocumentTypeByClassId(ClassId{}), nullptr);
}

TEST(DocumentTypes, Factories) {
    for (const DocumentType& t : DocumentTypes()) {
        const auto doc = t.create();
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->Kind(), t.kind);
    }
    EXPECT_EQ(CreateDocument(DocumentKind::QR)->Kind(), DocumentKind::QR);
}

// A document class handed the wrong row would save with another type's class identifier.
TEST(DocumentTypes, EachDocumentCarriesTheRowThatMadeIt) {
    for (const DocumentType& t : DocumentTypes()) {
        const auto doc = t.create();
        if (!doc) continue;
        EXPECT_EQ(&doc->Type(), &t);
        EXPECT_EQ(doc->m_SymbolHeight, t.defaults.symbolHeight);
        EXPECT_EQ(doc->m_UseEci, t.defaults.useEci);
    }
}

}  // namespace
}  // namespace tsy
