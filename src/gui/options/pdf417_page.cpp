#include "gui/options/pdf417_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/options/option_widgets.h"
#include "symbologies/pdf417/pdf417_doc.h"

namespace tsy::gui {
namespace {

// The encoder takes 30 columns; wider symbols are not offered here.
constexpr int kPageMaxColumns = 15;

}  // namespace

CPDF417Page::CPDF417Page(QWidget* parent)
    : CPreviewPage(QStringLiteral("PDF417 Options"), parent),
      level_(new QSlider(this)),
      levelText_(new QLabel(this)),
      columns_(new QSlider(this)),
      columnsText_(new QLabel(this)),
      truncate_(new QCheckBox(QStringLiteral("Truncate Right Stop Pattern"), this)) {
    level_->setRange(0, CPDF417Doc::kMaxLevel);
    level_->setPageStep(1);
    level_->setTickPosition(QSlider::TicksBelow);
    columns_->setRange(1, kPageMaxColumns);
    columns_->setPageStep(1);
    columns_->setTickPosition(QSlider::TicksBelow);
    auto* options = new QVBoxLayout;
    options->addWidget(
        SliderBox(QStringLiteral("Error Correction Level"), level_, levelText_, this));
    options->addWidget(SliderBox(QStringLiteral("Data Columns"), columns_, columnsText_, this));
    auto* other = new QGroupBox(QStringLiteral("Other Options"), this);
    (new QVBoxLayout(other))->addWidget(truncate_);
    options->addWidget(other);
    PlaceBesidePreview(this, options);
    // The labels follow the sliders also while they are loaded.
    connect(level_, &QSlider::valueChanged, this, [this] { ExchangeExtras(false); });
    connect(columns_, &QSlider::valueChanged, this, [this] { ExchangeExtras(false); });
}

void CPDF417Page::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    auto& pdf = static_cast<CPDF417Doc&>(doc);
    binding.Slider(level_, pdf.m_ErrorCorrectionLevel);
    binding.Slider(columns_, pdf.m_DataColumns);
    binding.Check(truncate_, pdf.m_Truncate);
}

void CPDF417Page::ExchangeExtras(bool) {
    levelText_->setText(QStringLiteral("Level %1").arg(level_->value()));
    columnsText_->setText(QString::number(columns_->value()));
}

}  // namespace tsy::gui
