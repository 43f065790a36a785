#include "gui/pages/sizing_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "document/encoder_doc.h"
#include "document/mils.h"
#include "gui/pages/printer_resolution.h"
#include "platform/screen.h"

namespace tsy::gui {

namespace {

constexpr double kMinRatio = 1.8;
constexpr double kMaxRatio = 3.4;
constexpr int kMinSpin = 19;
constexpr int kMaxSpin = 33;

QString Inches(double inches) {
    return QString::asprintf("%5.4f\"", inches);
}

QLabel* ValueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00.0000\"")));
    return label;
}

}  // namespace

CSizingPage::CSizingPage(QWidget* parent)
    : CPreviewPage(QStringLiteral("Sizing"), parent),
      widthSlider_(new QSlider(Qt::Horizontal, this)),
      heightSlider_(new QSlider(Qt::Horizontal, this)),
      elementWidth_(ValueLabel(this)),
      totalWidth_(ValueLabel(this)),
      elementHeight_(ValueLabel(this)),
      totalHeight_(ValueLabel(this)),
      ratio_(new QLineEdit(this)),
      ratioUp_(new QToolButton(this)),
      ratioDown_(new QToolButton(this)),
      undercut_(new QLineEdit(this)) {
    auto* left = new QVBoxLayout;
    left->addWidget(MakeSizeGroup(QStringLiteral("Symbol Width"), QStringLiteral("Element Width:"),
                                  QStringLiteral("Total Symbol Width:"), widthSlider_,
                                  elementWidth_, totalWidth_));
    left->addWidget(MakeSizeGroup(
        QStringLiteral("Symbol Height"), QStringLiteral("Element Height:"),
        QStringLiteral("Total Symbol Height:"), heightSlider_, elementHeight_, totalHeight_));
    auto* options = new QHBoxLayout;
    options->addWidget(MakeRatioGroup());
    options->addWidget(MakeUndercutGroup(), 1);
    left->addLayout(options);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    // The module size decides whether a reader can read the symbol: the verdict shows it.
    auto* preview = new QVBoxLayout;
    preview->addWidget(Preview(), 1);
    preview->addWidget(VerdictLabel());
    layout->addLayout(preview, 2);
}

QWidget* CSizingPage::MakeSizeGroup(const QString& title, const QString& element,
                                    const QString& total, QSlider* slider, QLabel* elementText,
                                    QLabel* totalText) {
    auto* group = new QGroupBox(title, this);
    auto* layout = new QGridLayout(group);
    auto* elementLabel = new QLabel(element, group);
    elementLabel->setBuddy(slider);
    layout->addWidget(elementLabel, 0, 0);
    layout->addWidget(elementText, 0, 1);
    layout->addWidget(new QLabel(total, group), 0, 2);
    layout->addWidget(totalText, 0, 3);
    layout->addWidget(slider, 1, 0, 1, 4);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    connect(slider, &QSlider::valueChanged, this, [this, slider] { OnSlider(slider); });
    return group;
}

QWidget* CSizingPage::MakeRatioGroup() {
    auto* group = new QGroupBox(QStringLiteral("Narrow To Wide Element Ratio"), this);
    auto* layout = new QHBoxLayout(group);
    ratio_->setMaximumWidth(ratio_->fontMetrics().horizontalAdvance(QStringLiteral("0.000")) * 2);
    layout->addWidget(ratio_);
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    ratioUp_->setArrowType(Qt::UpArrow);
    ratioDown_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {ratioUp_, ratioDown_}) {
        b->setAutoRepeat(true);
        b->setFixedHeight(ratio_->sizeHint().height() / 2);
        spin->addWidget(b);
    }
    layout->addLayout(spin);
    layout->addStretch();
    layout->setAlignment(Qt::AlignTop);
    connect(ratioUp_, &QToolButton::clicked, this, [this] { StepRatio(1); });
    connect(ratioDown_, &QToolButton::clicked, this, [this] { StepRatio(-1); });
    return group;
}

QWidget* CSizingPage::MakeUndercutGroup() {
    auto* group = new QGroupBox(QStringLiteral("Undercutting"), this);
    auto* layout = new QGridLayout(group);
    auto* label = new QLabel(QStringLiteral("Pixels:"), group);
    label->setBuddy(undercut_);
    layout->addWidget(label, 0, 0);
    undercut_->setMaximumWidth(undercut_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) *
                               2);
    layout->addWidget(undercut_, 0, 1);
    // Stored only: a reload would turn a lone "-" being typed into "0".
    connect(undercut_, &QLineEdit::textEdited, this,
            [this] { Binding().Changed(PageBinding::React::Store); });
    layout->setColumnStretch(2, 1);
    auto* text = new QLabel(
        QStringLiteral("This option selects the number of pixels that will be removed from the "
                       "bottom and right edges of each element.  This can accomodate for printer "
                       "ink \"bleeding\"."),
        group);
    text->setWordWrap(true);
    layout->addWidget(text, 1, 0, 1, 3);
    return group;
}

void CSizingPage::OnInitDialog() {
    CEncoderDoc& doc = *Document();
    dpi_ = DefaultPrinterResolution();
    const ModuleSizeLimit largest = doc.MaxModuleSize();
    // A range that moves a slider is not the user's move.
    const QSignalBlocker blockWidth(widthSlider_);
    const QSignalBlocker blockHeight(heightSlider_);
    widthSlider_->setRange(1, MulDiv(dpi_.width(), largest.width, 1000));
    heightSlider_->setRange(1, MulDiv(dpi_.height(), largest.height, 1000));
    ratio_->setEnabled(ratioEnabled_);
    ratioUp_->setEnabled(ratioEnabled_);
    ratioDown_->setEnabled(ratioEnabled_);
    heightSlider_->setEnabled(heightEnabled_);
    // The spin button keeps its own position from here on, as an up-down control does.
    spinPosition_ = static_cast<int>(doc.m_WideRatio * 10.0f);
}

void CSizingPage::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    // First, so a refused ratio leaves every value unsaved.
    binding.Real(ratio_, doc.m_WideRatio, kMinRatio, kMaxRatio, PageBinding::React::StoreLoad);
    binding.Custom([this, &doc] { undercut_->setText(QString::number(doc.m_Undercut)); },
                   [this, &doc] {
                       doc.m_Undercut = undercut_->text().trimmed().toInt();
                       return true;
                   });
    binding.Custom(
        [this, &doc] {
            widthMil_ = doc.m_ElementWidth;
            heightMil_ = doc.m_ElementHeight;
            widthSlider_->setValue(MulDiv(widthMil_, dpi_.width(), 1000));
            heightSlider_->setValue(MulDiv(heightMil_, dpi_.height(), 1000));
            ShowSizes();
        },
        [this, &doc] {
            doc.m_ElementWidth = widthMil_;
            doc.m_ElementHeight = heightMil_;
            doc.m_SymbolWidth = SaturatedFigure(doc.m_ModuleColumns, widthMil_);
            doc.m_SymbolHeight = SaturatedFigure(doc.m_ModuleRows, heightMil_);
            return true;
        });
}

void CSizingPage::ShowSizes() {
    const CEncoderDoc& doc = *Document();
    elementWidth_->setText(Inches(static_cast<double>(widthSlider_->value()) / dpi_.width()));
    elementHeight_->setText(Inches(static_cast<double>(heightSlider_->value()) / dpi_.height()));
    totalWidth_->setText(Inches(SaturatedFigure(doc.m_ModuleColumns, widthMil_) / 1000.0));
    totalHeight_->setText(Inches(SaturatedFigure(doc.m_ModuleRows, heightMil_) / 1000.0));
}

void CSizingPage::OnSlider(QSlider* slider) {
    if (Binding().Loading() || !Initialised()) return;
    if (slider == widthSlider_)
        widthMil_ = MulDiv(slider->value(), 1000, dpi_.width());
    else
        heightMil_ = MulDiv(slider->value(), 1000, dpi_.height());
    ShowSizes();
    Binding().Changed(PageBinding::React::StoreLoad);
}

void CSizingPage::StepRatio(int step) {
    if (!Initialised()) return;
    spinPosition_ = std::clamp(spinPosition_ + step, kMinSpin, kMaxSpin);
    ratio_->setText(QString::asprintf("%4.2f", spinPosition_ / 10.0));
    Binding().Changed(PageBinding::React::StoreLoad);
}

}  // namespace tsy::gui
