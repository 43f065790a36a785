#include "gui/sheets/sheet_factory.h"

#include "document/encoder_doc.h"
#include "gui/sheets/symbology_sheets.h"

namespace tsy::gui {

std::unique_ptr<QDialog> CreateSheet(CEncoderDoc& doc, QWidget* parent) {
    switch (doc.Kind()) {
        case DocumentKind::Aztec:
            return std::make_unique<CAztecSheet>(doc, parent);
        case DocumentKind::AztecAnimated:
            return std::make_unique<CAztecAnimatedSheet>(doc, parent);
        case DocumentKind::PDF417:
            return std::make_unique<CPDF417Sheet>(doc, parent);
        case DocumentKind::QR:
            return std::make_unique<CQRSheet>(doc, parent);
        case DocumentKind::Code128:
            return std::make_unique<CCode128Sheet>(doc, parent);
        case DocumentKind::Code39:
            return std::make_unique<CCode39Sheet>(doc, parent);
        case DocumentKind::Ziggur:
            return std::make_unique<CZiggurSheet>(doc, parent);
    }
    return nullptr;
}

}  // namespace tsy::gui
