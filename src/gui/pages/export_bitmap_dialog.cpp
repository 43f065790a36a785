#include "gui/pages/export_bitmap_dialog.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <filesystem>
#include <string>

#include "document/encoder_doc.h"
#include "export/document_export.h"
#include "export/image_formats.h"
#include "export/vector_writers.h"
#include "gui/framework/page_binding.h"
#include "platform/message_sink.h"
#include "platform/utf8_text.h"

namespace tsy::gui {
namespace {

constexpr int kOther = -1;
constexpr int kListed[] = {150, 300, 600, 1200};

QString Latin(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// "JPG files (*.jpg *.jpeg)" as Qt writes a filter; "*.*" would miss names without a dot.
QString DialogFilter(const ExportFilter& filter) {
    QString pattern = Latin(filter.pattern);
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    return Latin(filter.description) + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

// The picture rule picks among the nine; an extension only a vector format has would land on
// "All Files" there, so it gets its own filter instead.
qsizetype PreselectedFilter(const std::string& lowerExt) {
    const auto vectors = VectorFormats();
    for (std::size_t i = 0; i < vectors.size(); ++i)
        if (vectors[i].extension == "." + lowerExt)
            return static_cast<qsizetype>(ExportBitmapFilters().size() + i);
    return static_cast<qsizetype>(PreselectedExportFilter(lowerExt));
}

}  // namespace

QStringList ExportDialogFilters() {
    QStringList filters;
    for (const ExportFilter& filter : ExportBitmapFilters()) filters << DialogFilter(filter);
    for (const ExportFilter& filter : VectorExportFilters()) filters << DialogFilter(filter);
    return filters;
}

void SuffixFollowsFilter(QFileDialog& dialog, const QString& fallback) {
    dialog.setDefaultSuffix(fallback);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, fallback](const QString& filter) {
                         static const QRegularExpression first(QStringLiteral("\\*\\.(\\w+)"));
                         const QRegularExpressionMatch match = first.match(filter);
                         dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : fallback);
                     });
}

ExportBitmapDialog::ExportBitmapDialog(CEncoderDoc& doc, const QString& proposed, QWidget* parent)
    : QFileDialog(parent, QStringLiteral("Export as Bitmap")) {
    if (doc.m_DefaultExt.empty()) doc.m_DefaultExt = u"bmp";
    const QString ext = ToQ(doc.m_DefaultExt);
    const QStringList filters = ExportDialogFilters();
    // A native dialog takes no extra row.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(filters);
    if (!proposed.isEmpty()) selectFile(proposed);
    selectNameFilter(filters.value(PreselectedFilter(ext.toLower().toStdString())));
    SuffixFollowsFilter(*this, ext);
    AddResolutionRow(doc.ResolutionX());
}

void ExportBitmapDialog::AddResolutionRow(int screenDpi) {
    auto* row = new QWidget(this);
    choices_ = new QComboBox(row);
    spin_ = new QSpinBox(row);
    choices_->addItem(QStringLiteral("Screen (%1 dpi)").arg(screenDpi), 0);
    for (int dpi : kListed) choices_->addItem(QStringLiteral("%1 dpi").arg(dpi), dpi);
    choices_->addItem(QStringLiteral("Other:"), kOther);
    spin_->setRange(kMinimumDpi, kMaximumDpi);
    spin_->setSuffix(QStringLiteral(" dpi"));
    spin_->setValue(600);
    spin_->setEnabled(false);
    const QString tip = QStringLiteral(
        "Pictures are built at this resolution so that they print at the "
        "symbol's size. SVG, PDF and EPS files have the symbol's size anyway.");
    choices_->setToolTip(tip);
    spin_->setToolTip(tip);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(choices_, 1);
    line->addWidget(spin_);
    auto* label = new QLabel(QStringLiteral("&Resolution:"), this);
    label->setBuddy(choices_);
    // Qt's own dialog ends its grid with the name and type rows (the buttons span them).
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int at = grid->rowCount();
        grid->addWidget(label, at, 0);
        grid->addWidget(row, at, 1);
    }
    connect(choices_, &QComboBox::currentIndexChanged, this,
            [this] { spin_->setEnabled(choices_->currentData().toInt() == kOther); });
}

int ExportBitmapDialog::Resolution() const {
    const int chosen = choices_->currentData().toInt();
    return chosen == kOther ? spin_->value() : chosen;
}

void ExportBitmapDialog::SetResolution(int dpi) {
    int index = choices_->findData(dpi);
    if (index < 0) {
        index = choices_->findData(kOther);
        spin_->setValue(dpi);
    }
    choices_->setCurrentIndex(index);
}

bool ExportDocumentAt(const CEncoderDoc& doc, const QString& path, int dpi, MessageSink* sink) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::string message;
    const bool written = ExportDocumentToFile(
        doc, std::filesystem::path(QFile::encodeName(path).toStdString()), dpi, &message);
    QGuiApplication::restoreOverrideCursor();
    if (!written && !message.empty()) ShowMessage(sink, Utf8ToUtf16Text(message));
    return written;
}

}  // namespace tsy::gui
