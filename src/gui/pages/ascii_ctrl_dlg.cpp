#include "gui/pages/ascii_ctrl_dlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/framework/page_binding.h"
#include "message/control_chars.h"

namespace tsy::gui {

namespace {

// The list's columns only line up in a fixed-pitch font.
QFont ListFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

// The glyphs the old terminal font drew for the C0 codes (code page 437), so the Char column
// shows something a fixed-pitch font can draw.
constexpr char16_t kC0Glyphs[32] = {
    u' ',      u'\u263A', u'\u263B', u'\u2665', u'\u2666', u'\u2663', u'\u2660', u'\u2022',
    u'\u25D8', u'\u25CB', u'\u25D9', u'\u2642', u'\u2640', u'\u266A', u'\u266B', u'\u263C',
    u'\u25BA', u'\u25C4', u'\u2195', u'\u203C', u'\u00B6', u'\u00A7', u'\u25AC', u'\u21A8',
    u'\u2191', u'\u2193', u'\u2192', u'\u2190', u'\u221F', u'\u2194', u'\u25B2', u'\u25BC'};

// The Char column is the tenth character of a line.
constexpr int kCharColumn = 9;

QString DisplayLine(std::int32_t code) {
    QString line = ToQ(ControlPickerLine(code));
    if (code > 0 && code < 0x20 && line.size() > kCharColumn) line[kCharColumn] = kC0Glyphs[code];
    return line;
}

}  // namespace

CAsciiCtrlDlg::CAsciiCtrlDlg(MarkupStyle style, QWidget* parent)
    : QDialog(parent), style_(style), list_(new QListWidget(this)), preview_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Select Control Characters"));
    const QFont font = ListFont();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral(
            "Double click on one or more of the following control characters to select."),
        this));
    // The headings sit over the list's columns: same font, same widths as the line format.
    auto* headings = new QLabel(QStringLiteral("Hex  Dec Char Name Description"), this);
    headings->setFont(font);
    headings->setIndent(list_->frameWidth() + 2);
    layout->addWidget(headings);
    list_->setFont(font);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (const std::int32_t code : ControlPickerCodes()) {
        auto* item = new QListWidgetItem(DisplayLine(code), list_);
        item->setData(Qt::UserRole, code);
    }
    list_->setMinimumSize(QFontMetrics(font).horizontalAdvance(QString(64, u'M')),
                          QFontMetrics(font).lineSpacing() * 20);
    layout->addWidget(list_, 1);
    auto* label = new QLabel(QStringLiteral("Selected markup text:"), this);
    label->setBuddy(preview_);
    layout->addWidget(label);
    preview_->setReadOnly(true);
    preview_->setFont(font);
    layout->addWidget(preview_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CAsciiCtrlDlg::Pick);
}

void CAsciiCtrlDlg::Pick(QListWidgetItem* item) {
    if (!item) return;
    picked_.push_back(static_cast<char16_t>(item->data(Qt::UserRole).toInt() & 0xFF));
    preview_->setText(ToQ(ControlPickerPreview(picked_, style_)));
}

}  // namespace tsy::gui
