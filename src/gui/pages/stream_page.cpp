#include "gui/pages/stream_page.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "document/encoder_doc.h"
#include "message/contents_dump.h"

namespace tsy::gui {

CStreamPage::CStreamPage(QWidget* parent)
    : CTsyPage(QStringLiteral("Barcode Contents"), parent),
      edit_(new QPlainTextEdit(this)),
      views_(new QButtonGroup(this)) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    edit_->setFont(font);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A full byte line: 16 x 3 hex, two gaps, 16 characters.
    edit_->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QString(68, u'0')) +
                           edit_->verticalScrollBar()->sizeHint().width() + 12);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("View:"), this));
    const QString texts[] = {QStringLiteral("Barcode"), QStringLiteral("Message\n(Markup)"),
                             QStringLiteral("Message\n(Pur)")};
    for (int id = 0; id < 3; ++id) {
        auto* button = new QRadioButton(texts[id], this);
        views_->addButton(button, id);
        side->addWidget(button);
    }
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(edit_, 1);
    layout->addLayout(side);
    connect(views_, &QButtonGroup::idClicked, this, [this] {
        if (!Binding().Loading()) Refresh();
    });
}

void CStreamPage::BindControls(PageBinding& binding, CEncoderDoc&) {
    binding.Custom([this] { edit_->setPlainText(ToQ(dump_).replace(u'\r', QString())); },
                   [] { return true; });  // the dump is never read back
    binding.Radio(views_, view_, PageBinding::React::None);
}

void CStreamPage::OnSetActive() {
    CTsyPage::OnSetActive();
    Refresh();
}

void CStreamPage::Refresh() {
    if (!Initialised()) return;
    if (!Store()) return;
    const CEncoderDoc& doc = *Document();
    switch (view_) {
        case Barcode:
            dump_ = ByteDump(doc.m_MessageBytes, static_cast<std::uint32_t>(doc.m_Codepage));
            break;
        case Markup: {
            std::u16string markup = doc.m_Message;
            std::erase_if(markup, [](char16_t c) { return c < 0x20; });
            dump_ = TextDump(markup);
            break;
        }
        default:
            dump_ = TextDump(ParseMarkup(doc.m_Message, doc.m_ViewStyle, true));
            break;
    }
    Load();
}

}  // namespace tsy::gui
