#include "gui/sheets/symbology_sheets.h"

#include "gui/options/animated_aztec_page.h"
#include "gui/options/aztec_page.h"
#include "gui/options/batch_page.h"
#include "gui/options/code128_page.h"
#include "gui/options/code39_page.h"
#include "gui/options/pdf417_page.h"
#include "gui/options/qr_page.h"
#include "gui/options/ziggur_page.h"
#include "gui/pages/eci_page.h"
#include "gui/pages/msg_page.h"
#include "gui/pages/sizing_page.h"
#include "gui/pages/stream_page.h"

namespace tsy::gui {

namespace {

using List = CMsgPage::CodepageList;

// Adds the pages in tab order, hands them the document, then the sheet's own settings.
struct SheetSettings {
    List codepages = List::None;
    bool ratio = false;
    bool height = true;
};

template <class Option>
void BuildSheet(PropertySheet& sheet, CEncoderDoc& doc, bool withEci, SheetSettings settings) {
    auto* message = new CMsgPage;
    auto* sizing = new CSizingPage;
    sheet.AddPage(message);
    sheet.AddPage(sizing);
    sheet.AddPage(new Option);
    if (withEci) sheet.AddPage(new CEciPP);
    sheet.AddPage(new CStreamPage);
    sheet.AddPage(new CBatchPage);
    sheet.SetDocument(&doc);
    message->SetCodepageList(settings.codepages);
    sizing->EnableRatio(settings.ratio);
    sizing->EnableHeight(settings.height);
}

}  // namespace

CAztecSheet::CAztecSheet(CEncoderDoc& doc, QWidget* parent)
    : CTsySheet(QStringLiteral("Aztec Encoding Properties"), parent) {
    BuildSheet<CAztecPage>(*this, doc, true, {List::Eci, false, false});
}

CPDF417Sheet::CPDF417Sheet(CEncoderDoc& doc, QWidget* parent)
    : CTsySheet(QStringLiteral("PDF417 Encoding Properties"), parent) {
    BuildSheet<CPDF417Page>(*this, doc, true, {List::Eci, false, true});
}

CQRSheet::CQRSheet(CEncoderDoc& doc, QWidget* parent)
    : CTsySheet(QStringLiteral("QR Code Encoding Properties"), parent) {
    BuildSheet<CQRPage>(*this, doc, false, {List::None, false, false});
}

CCode128Sheet::CCode128Sheet(CEncoderDoc& doc, QWidget* parent)
    : CTsySheet(QStringLiteral("Code 128 Encoding Properties"), parent) {
    BuildSheet<CCode128Page>(*this, doc, false, {List::Linear, false, true});
}

CCode39Sheet::CCode39Sheet(CEncoderDoc& doc, QWidget* parent)
    : CTsySheet(QStringLiteral("Code 39 Encoding Properties"), parent) {
    BuildSheet<CCode39Page>(*this, doc, false, {List::Linear, true, true});
}

CZiggurSheet::CZiggurSheet(CEncoderDoc& doc, QWidget* parent)
    : CTsySheet(QStringLiteral("Ziggur Encoding Properties"), parent) {
    BuildSheet<CZiggurPage>(*this, doc, false, {List::None, false, true});
}

CAztecAnimatedSheet::CAztecAnimatedSheet(CEncoderDoc& doc, QWidget* parent)
    : PropertySheet(QStringLiteral("Aztec Encoding Properties"), parent) {
    auto* message = new CMsgPage;
    auto* sizing = new CSizingPage;
    AddPage(message);
    AddPage(new CAnimatedAztecPP);
    AddPage(sizing);
    AddPage(new CAztecPage);
    AddPage(new CEciPP);
    SetDocument(&doc);
    message->SetCodepageList(List::Eci);
    sizing->EnableHeight(false);
}

}  // namespace tsy::gui
