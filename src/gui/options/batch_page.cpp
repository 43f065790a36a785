#include "gui/options/batch_page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <thread>

#include "document/encoder_doc.h"
#include "export/batch_build.h"
#include "export/batch_lines.h"
#include "export/image_formats.h"
#include "gui/framework/property_sheet.h"
#include "gui/pages/export_bitmap_dialog.h"
#include "platform/message_sink.h"
#include "platform/utf8_text.h"

namespace tsy::gui {
namespace {

QRadioButton* AddRadio(QButtonGroup* group, const QString& text, int id, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    group->addButton(button, id);
    return button;
}

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

class OverrideCursor {
public:
    OverrideCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~OverrideCursor() { QApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

}  // namespace

CBatchPage::CBatchPage(QWidget* parent)
    : CTsyPage(QStringLiteral("Multiple Symbols"), parent),
      styles_(new QButtonGroup(this)),
      text_(new QPlainTextEdit(this)),
      naming_(new QButtonGroup(this)),
      mask_(new QLineEdit(this)),
      caption_(new QCheckBox(QStringLiteral("Use message as caption"), this)),
      verify_(new QCheckBox(QStringLiteral("Verify each symbol"), this)),
      build_(new QPushButton(QStringLiteral("Build Multiple Symbols"), this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)),
      status_(new QLabel(this)),
      progress_(new QProgressBar(this)) {
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Each line of the text below will be encoded into "
                                             "its own bar code and written to a file."),
                              this),
                   1);
    auto* import = new QPushButton(QStringLiteral("Import From File..."), this);
    top->addWidget(import);
    auto* body = new QHBoxLayout;
    body->addWidget(MakeListSide(), 3);
    body->addWidget(MakeOutputSide(), 2);

    auto* run = new QHBoxLayout;
    status_->setMinimumWidth(status_->fontMetrics().horizontalAdvance(
        QStringLiteral("Building \"ABCDEFGHIJKLMNOPQRSTUVWXY...\"")));
    run->addWidget(status_, 1);
    progress_->setTextVisible(false);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    run->addWidget(progress_, 1);
    cancelButton_->setEnabled(false);
    run->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addLayout(run);

    connect(import, &QPushButton::clicked, this, &CBatchPage::OnImport);
    connect(build_, &QPushButton::clicked, this, &CBatchPage::Build);
    connect(cancelButton_, &QPushButton::clicked, this, &CBatchPage::Cancel);
}

CBatchPage::~CBatchPage() {
    cancel_ = true;
}

QWidget* CBatchPage::MakeListSide() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* styles = new QHBoxLayout;
    styles->addWidget(AddRadio(styles_, QStringLiteral("Bracket Style"), 0, side));
    styles->addWidget(AddRadio(styles_, QStringLiteral("C Style"), 1, side));
    QRadioButton* binary = AddRadio(styles_, QStringLiteral("Binary"), 2, side);
    binary->setEnabled(false);
    styles->addWidget(binary);
    styles->addStretch();
    layout->addLayout(styles);

    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(text_, 1);

    connect(styles_, &QButtonGroup::idClicked, this, &CBatchPage::OnRestyle);
    return side;
}

QWidget* CBatchPage::MakeOutputSide() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox(QStringLiteral("Output File Name Mask"), side);
    auto* box = new QVBoxLayout(group);
    auto* note = new QLabel(
        QStringLiteral("Path and extension is used to create the final name and format of file."),
        group);
    note->setWordWrap(true);
    box->addWidget(note);
    // Radio buttons do not wrap; the long texts are broken by hand.
    box->addWidget(AddRadio(naming_,
                            QStringLiteral("Each bar code will be written to a file with the\n"
                                           "following prefix.  A number will be appended to\n"
                                           "the mask to create each filename."),
                            0, group));
    box->addWidget(AddRadio(naming_,
                            QStringLiteral("Use message as filename\nsubstitutions:\n"
                                           "'?' -> 'q' and '*' -> 'a'"),
                            1, group));
    auto* maskRow = new QHBoxLayout;
    maskRow->addWidget(mask_, 1);
    auto* choose = new QPushButton(QStringLiteral("..."), group);
    choose->setMaximumWidth(choose->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    maskRow->addWidget(choose);
    box->addLayout(maskRow);
    layout->addWidget(group);
    layout->addWidget(caption_);
    verify_->setToolTip(QStringLiteral(
        "Reads every written symbol back; the log lists the lines that do not read."));
    layout->addWidget(verify_);
    layout->addStretch();
    layout->addWidget(build_);
    connect(choose, &QPushButton::clicked, this, &CBatchPage::ChooseOutputFile);
    return side;
}

void CBatchPage::BindControls(PageBinding& binding, CEncoderDoc&) {
    binding.Radio(styles_, style_, PageBinding::React::None);
    binding.Text(text_, batchText_);
    binding.Radio(naming_, namingMode_);
    binding.Text(mask_, maskText_);
    binding.Check(caption_, captionFlag_);
    binding.Check(verify_, verifyFlag_);
    binding.Custom([this] { status_->setText(ToQ(statusText_)); }, [] { return true; });
}

void CBatchPage::OnRestyle() {
    if (Binding().Loading()) return;
    const MarkupStyle old = style_;
    if (!Store()) return;
    batchText_ = RestyleBatchText(batchText_, old, style_);
    Load();
}

void CBatchPage::OnImport() {
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("All Files (*)"));
    if (!path.isEmpty()) ImportFile(path);
}

void CBatchPage::ImportFile(const QString& path) {
    if (!Store()) return;
    std::u16string text;
    if (!ImportBatchFile(LocalPath(path), style_, Sink(), &text)) return;
    batchText_ = text;
    Document()->m_Message = std::move(text);
    Load();
}

bool CBatchPage::ChooseOutputFile() {
    if (!Store()) return false;
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(ExportDialogFilters());
    SuffixFollowsFilter(dialog, QStringLiteral("bmp"));
    if (namingMode_ == 1) dialog.selectFile(QStringLiteral("Label"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    SetOutputFile(dialog.selectedFiles().constFirst());
    return true;
}

void CBatchPage::SetOutputFile(const QString& path) {
    extension_ = FromQ(QFileInfo(path).suffix());
    maskText_ = FromQ(path);
    Load();
    mask_->end(false);
}

void CBatchPage::ShowProgress(int position, int count, const QString& status) {
    progress_->setRange(0, std::max(1, count - 1));
    progress_->setValue(position);
    statusText_ = FromQ(status);
    status_->setText(status);
}

void CBatchPage::Build() {
    if (running_ || !Store()) return;
    while (maskText_.empty()) {
        if (!ChooseOutputFile()) {
            statusText_ = u"Aborted file dialog";
            Load();
            return;
        }
    }
    const OverrideCursor busy;
    BatchSettings settings;
    settings.mask = maskText_;
    settings.extension = extension_;
    settings.style = style_;
    settings.naming = static_cast<BatchNaming>(namingMode_);
    settings.captionFromMessage = captionFlag_ != 0;
    settings.threads = 0;
    settings.verify = verifyFlag_ != 0;
    // Message boxes wait for the end of the run: the worker cannot open windows.
    RecordingMessageSink messages;
    BatchCallbacks callbacks;
    callbacks.sink = &messages;
    callbacks.progress = [this](std::size_t position, std::size_t count, std::u16string_view s) {
        QMetaObject::invokeMethod(
            this,
            [this, position, count, status = ToQ(s)] {
                ShowProgress(static_cast<int>(position), static_cast<int>(count), status);
            },
            Qt::QueuedConnection);
    };
    callbacks.cancelled = [this] { return cancel_.load(); };

    cancel_ = false;
    Lock(true);
    QEventLoop loop;
    BatchOutcome outcome;
    const std::u16string text = batchText_;
    CEncoderDoc& doc = *Document();
    std::thread worker([&] {
        try {
            outcome = RunBatchBuild(doc, settings, text, callbacks);
        } catch (const std::exception& e) {
            messages.Show(Utf8ToUtf16Text(e.what()), MessageKind::Error);
            outcome.status = u"Write failed";
        }
        // Posted after every progress report, so the page has shown them all when it resumes.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    Lock(false);
    for (const RecordingMessageSink::Entry& e : messages.entries)
        ShowMessage(Sink(), e.text, e.kind);
    if (!outcome.status.empty()) statusText_ = outcome.status;
    const bool ran =
        outcome.result == BatchResult::Created || outcome.result == BatchResult::Cancelled;
    if (settings.verify && ran && outcome.written > 0)
        statusText_ += u", " + FromQ(QString::number(outcome.unreadable)) + u" not readable";
    Load();
}

void CBatchPage::Lock(bool running) {
    running_ = running;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != status_ && w != progress_ && w != cancelButton_) w->setEnabled(!running);
    cancelButton_->setEnabled(running);
    if (auto* sheet = qobject_cast<PropertySheet*>(window())) {
        sheet->Tabs()->tabBar()->setEnabled(!running);
        sheet->Buttons()->setEnabled(!running);
    }
    if (running)
        window()->installEventFilter(this);
    else
        window()->removeEventFilter(this);
}

bool CBatchPage::eventFilter(QObject* watched, QEvent* event) {
    if (running_ && watched == window()) {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
    }
    return CTsyPage::eventFilter(watched, event);
}

}  // namespace tsy::gui
