#include "gui/options/animated_aztec_page.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <string>

#include "gui/framework/bitmap_ctrl.h"
#include "platform/message_sink.h"
#include "platform/utf8_text.h"
#include "symbologies/aztec/aztec_animated_doc.h"

namespace tsy::gui {
namespace {

// The page's ranges; the document takes more from the command line.
constexpr int kMaxSymbols = 9;
constexpr int kMinFrameTime = 10;
constexpr int kMaxFrameTime = 5000;
constexpr int kMaxLoops = 100;

QSpinBox* Spin(int low, int high, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(low, high);
    return spin;
}

}  // namespace

CAnimatedAztecPP::CAnimatedAztecPP(QWidget* parent)
    : CTsyPage(QStringLiteral("Animatimation"), parent),
      output_(new QLineEdit(this)),
      symbols_(Spin(1, kMaxSymbols, this)),
      frameTime_(Spin(kMinFrameTime, kMaxFrameTime, this)),
      loops_(Spin(0, kMaxLoops, this)),
      info_(new QLabel(QStringLiteral("XxY"), this)),
      write_(new QPushButton(QStringLiteral("Write"), this)),
      preview_(new CBitmapCtrl(this)) {
    auto* file = new QHBoxLayout;
    auto* outputLabel = new QLabel(QStringLiteral("Output File Name"), this);
    outputLabel->setBuddy(output_);
    file->addWidget(outputLabel);
    file->addWidget(output_, 1);
    auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
    file->addWidget(browse);

    auto* settings = new QFormLayout;
    settings->addRow(QStringLiteral("Number of Symbols for Encoded Message"), symbols_);
    settings->addRow(QStringLiteral("Frame time (10 ms steps)"), frameTime_);
    settings->addRow(QStringLiteral("Loops (0 = forever)"), loops_);
    settings->addRow(QString(), info_);
    auto* left = new QVBoxLayout;
    left->addLayout(settings);
    left->addWidget(
        new QLabel(QStringLiteral("The produced gif file does not contain any caption."), this));
    left->addStretch();
    left->addWidget(write_, 0, Qt::AlignLeft);

    auto* picture = new QGroupBox(QStringLiteral("GIF preview not working yet"), this);
    (new QVBoxLayout(picture))->addWidget(preview_);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(picture, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addLayout(body, 1);

    connect(browse, &QPushButton::clicked, this, &CAnimatedAztecPP::OnBrowse);
    connect(write_, &QPushButton::clicked, this, &CAnimatedAztecPP::WriteGif);
}

void CAnimatedAztecPP::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    auto& animated = static_cast<CAztecAnimatedDoc&>(doc);
    binding.Text(output_, animated.m_OutputName);
    binding.Spin(symbols_, animated.m_SymbolCount);
    binding.Spin(frameTime_, animated.m_FrameTime);
    binding.Spin(loops_, animated.m_Loops);
}

void CAnimatedAztecPP::ExchangeExtras(bool) {
    // Every exchange rebuilds, which also rewrites the temporary GIF.
    auto& doc = DocAs<CAztecAnimatedDoc>();
    if (doc.BuildSymbol()) {
        preview_->SetBitmap(ToQImage(doc.m_Picture.Picture()));
        preview_->FitToWindow(true);
    }
    info_->setText(ToQ(doc.m_InfoText));
}

void CAnimatedAztecPP::OnBrowse() {
    if (!Store()) return;
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("Gif Files (*.gif)"), QStringLiteral("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    const QFileInfo present(output_->text());
    if (!output_->text().isEmpty()) {
        dialog.setDirectory(present.absolutePath());
        dialog.selectFile(present.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    DocAs<CAztecAnimatedDoc>().m_OutputName = FromQ(dialog.selectedFiles().constFirst());
    Load();
}

bool CAnimatedAztecPP::WriteGif() {
    if (!Store()) return false;
    const auto& doc = DocAs<CAztecAnimatedDoc>();
    if (doc.m_OutputName.empty()) return false;
    std::string error;
    if (doc.WriteGif(std::filesystem::path(Utf16ToUtf8Text(doc.m_OutputName)), &error)) return true;
    // Without a word the user would take the old file for the new one.
    ShowMessage(Sink(), Utf8ToUtf16Text(error), MessageKind::Warning);
    return false;
}

}  // namespace tsy::gui
