#include "gui/options/ziggur_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/options/option_widgets.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy::gui {

CZiggurPage::CZiggurPage(QWidget* parent)
    : CPreviewPage(QStringLiteral("Ziggur Options"), parent),
      host_(new QLineEdit(this)),
      hosts_(new QButtonGroup(this)),
      symmetry_(new QButtonGroup(this)),
      barrier_(new QCheckBox(QStringLiteral("Display Barrier Rows"), this)),
      menu_(new QCheckBox(QStringLiteral("Brannick Menu Symbol"), this)),
      defaultHeight_(new QCheckBox(QStringLiteral("Default Host Height"), this)) {
    auto* left = new QVBoxLayout;
    auto* message = new QGroupBox(QStringLiteral("Linear Host Message"), this);
    (new QVBoxLayout(message))->addWidget(host_);
    left->addWidget(message);
    QStringList labels;
    for (int32_t host = 0; host <= kZiggurLastHost; ++host) labels << ToQ(ZiggurHostLabel(host));
    left->addWidget(RadioBox(QStringLiteral("Host Message Symbology"), labels, hosts_, this));
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(RadioBox(QStringLiteral("Symmetry Options"),
                              {QStringLiteral("None"), QStringLiteral("Double (Top + Bottom)"),
                               QStringLiteral("Double (Even Layers)")},
                              symmetry_, this));
    right->addWidget(barrier_);
    right->addWidget(menu_);
    right->addWidget(defaultHeight_);
    right->addStretch();

    auto* options = new QHBoxLayout;
    options->addLayout(left);
    options->addLayout(right);
    PlaceAbovePreview(this, options);
}

void CZiggurPage::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    auto& ziggur = static_cast<CZiggurDoc&>(doc);
    using React = PageBinding::React;
    // While the user types the caret stays put; the edit is read-only under a menu symbol.
    binding.Text(host_, ziggur.m_HostMessage);
    // StoreLoad: a menu symbol's host message follows the host just chosen.
    binding.Radio(hosts_, ziggur.m_HostSymbology, React::StoreLoad);
    binding.Radio(symmetry_, ziggur.m_Symmetry, React::StoreLoad);
    binding.Check(barrier_, ziggur.m_BarrierRows, React::StoreLoad);
    binding.Custom([this, &ziggur] { menu_->setChecked(ziggur.m_MenuSymbol != 0); },
                   [this, &ziggur] {
                       ziggur.SetMenuSymbol(menu_->isChecked());
                       return true;
                   });
    binding.Watch(menu_, &QCheckBox::clicked, React::StoreLoad);
    binding.Check(defaultHeight_, ziggur.m_DefaultHostHeight);
}

void CZiggurPage::ExchangeExtras(bool save) {
    auto& ziggur = DocAs<CZiggurDoc>();
    if (save && ziggur.m_MenuSymbol) ziggur.m_HostMessage = ziggur.MenuHostMessage();
    host_->setReadOnly(ziggur.m_MenuSymbol != 0);
}

}  // namespace tsy::gui
