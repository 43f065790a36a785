#include "gui/app/about_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <iterator>

#include "cli/help_texts.h"
#include "gui/app/app_icons.h"
#include "platform/version.h"

namespace tsy::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Tessaly"));
    auto* icon = new QLabel;
    icon->setPixmap(ApplicationIcon().pixmap(48, 48));
    auto* product =
        new QLabel(QStringLiteral("Tessaly Version %1").arg(QLatin1String(kVersionRecord)));
    auto* company = new QLabel(QStringLiteral("Corvanta"));
    auto* copyright = new QLabel(QStringLiteral("Copyright (C) 2026 Corvanta"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(company);
    texts->addWidget(copyright);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CCommandLineHelpDlg::CCommandLineHelpDlg(QWidget* parent)
    : QDialog(parent), topics_(new QButtonGroup(this)), text_(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("Commandline Help"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setMinimumSize(560, 320);

    auto* radios = new QVBoxLayout;
    int id = 0;
    for (HelpTopic topic : kHelpTopics) {
        auto* radio = new QRadioButton(QString::fromUtf8(HelpTopicTitle(topic)));
        topics_->addButton(radio, id++);
        radios->addWidget(radio);
    }
    radios->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    radios->addWidget(close);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(radios);
    connect(topics_, &QButtonGroup::idClicked, this, &CCommandLineHelpDlg::ShowTopic);
    topics_->button(0)->setChecked(true);
    ShowTopic(0);
}

void CCommandLineHelpDlg::ShowTopic(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kHelpTopics))) return;
    QString text;
    for (const std::string& line : HelpTextLines(kHelpTopics[index]))
        text += QString::fromStdString(line) + QLatin1Char('\n');
    text_->setPlainText(text);
}

}  // namespace tsy::gui
