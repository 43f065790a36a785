#include "gui/options/code39_page.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "gui/options/option_widgets.h"
#include "symbologies/code39/code39_doc.h"

namespace tsy::gui {

CCode39Page::CCode39Page(QWidget* parent)
    : CPreviewPage(QStringLiteral("Code 39 Options"), parent),
      check_(new QCheckBox(QStringLiteral("Encode Check Character"), this)),
      menu_(new QCheckBox(QStringLiteral("Menu Code (No start/stop chars)"), this)) {
    auto* options = new QHBoxLayout;
    options->addWidget(check_);
    options->addWidget(menu_);
    options->addStretch();
    PlaceAbovePreview(this, options);
}

void CCode39Page::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    auto& code39 = static_cast<CCode39Doc&>(doc);
    binding.Check(check_, code39.m_CheckCharacter);
    binding.Check(menu_, code39.m_MenuCode);
}

}  // namespace tsy::gui
