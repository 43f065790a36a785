#include "gui/options/aztec_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/options/option_widgets.h"
#include "symbologies/aztec/aztec_doc.h"

namespace tsy::gui {
namespace {

// Where the slider stands, greyed, while the encoder chooses the correction itself.
constexpr int kShownDefaultCorrection = 23;

}  // namespace

CAztecPage::CAztecPage(QWidget* parent)
    : CPreviewPage(QStringLiteral("Aztec Options"), parent),
      types_(new QButtonGroup(this)),
      reverse_(new QCheckBox(QStringLiteral("Reverse Video                   "), this)),
      symbols_(new QSpinBox(this)),
      appendId_(new QLineEdit(this)),
      correction_(new QSlider(Qt::Horizontal, this)),
      correctionText_(new QLabel(this)),
      default_(new QCheckBox(QStringLiteral("Default Error Correction"), this)) {
    auto* options = new QVBoxLayout;
    options->addWidget(RadioBox(
        QStringLiteral("Symbol Type"),
        {QStringLiteral("Normal"), QStringLiteral("Menu (Configuration for Corvanta Imagers)"),
         QStringLiteral("Simple Rune")},
        types_, this));
    options->addWidget(MakeOtherSettings());
    options->addWidget(MakeCorrection());
    PlaceBesidePreview(this, options);
    connect(types_, &QButtonGroup::idClicked, this, &CAztecPage::OnTypeClicked);
}

QWidget* CAztecPage::MakeOtherSettings() {
    auto* group = new QGroupBox(QStringLiteral("Other Settings"), this);
    auto* layout = new QFormLayout(group);
    layout->addRow(reverse_);
    symbols_->setRange(1, CAztecDoc::kMaxSymbols);
    layout->addRow(QStringLiteral("Number of Symbols for Encoded Message"), symbols_);
    layout->addRow(QStringLiteral("Append ID"), appendId_);
    return group;
}

QWidget* CAztecPage::MakeCorrection() {
    auto* group =
        new QGroupBox(QStringLiteral("Error Correction (Minimum % of symbol area)"), this);
    auto* layout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    correction_->setRange(1, CAztecDoc::kMaxCorrectionPercent);
    row->addWidget(correction_, 1);
    correctionText_->setMinimumWidth(
        correctionText_->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    row->addWidget(correctionText_);
    layout->addLayout(row);
    layout->addWidget(default_);
    return group;
}

void CAztecPage::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    auto& aztec = static_cast<CAztecDoc&>(doc);
    binding.Custom(
        [this, &aztec] {
            default_->setChecked(aztec.m_ErrorCorrection == 0);
            correction_->setValue(aztec.m_ErrorCorrection == 0 ? kShownDefaultCorrection
                                                               : aztec.m_ErrorCorrection);
        },
        [this, &aztec] {
            aztec.m_ErrorCorrection = default_->isChecked() ? 0 : correction_->value();
            return true;
        });
    binding.Watch(correction_, &QSlider::valueChanged, PageBinding::React::StoreLoad);
    binding.Watch(default_, &QCheckBox::clicked, PageBinding::React::StoreLoad);
    binding.Check(reverse_, aztec.m_ReverseVideo);
    binding.Radio(types_, aztec.m_SymbolType, PageBinding::React::None);
    binding.Text(appendId_, aztec.m_AppendId, static_cast<int>(kAztecAppendIdMax));
    binding.Spin(symbols_, aztec.m_SymbolCount);
}

void CAztecPage::ExchangeExtras(bool) {
    correctionText_->setText(QStringLiteral("%1%").arg(correction_->value()));
    const bool normal = types_->checkedId() == kAztecTypeNormal;
    const bool chosen = normal && !default_->isChecked();
    correction_->setEnabled(chosen);
    correctionText_->setEnabled(chosen);
    symbols_->setEnabled(normal);
    appendId_->setEnabled(normal);
}

void CAztecPage::OnTypeClicked(int type) {
    if (Binding().Loading() || !Store()) return;
    if (type == kAztecTypeRune) Document()->m_Message = u"0";
    Load();
}

}  // namespace tsy::gui
