#include "gui/framework/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/framework/tsy_page.h"

namespace tsy::gui {

PropertySheet::PropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent),
      tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this)) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &PropertySheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PropertySheet::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { Apply(); });
    connect(tabs_, &QTabWidget::currentChanged, this, &PropertySheet::OnTabChanged);
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(false);
}

void PropertySheet::AddPage(CTsyPage* page) {
    pages_.push_back(page);
    connect(page, &CTsyPage::ModifiedChanged, this, &PropertySheet::UpdateApply);
    const QSignalBlocker block(tabs_);
    tabs_->addTab(page, page->Caption());
}

void PropertySheet::SetDocument(CEncoderDoc* doc) {
    for (CTsyPage* page : pages_) page->SetDocument(doc);
}

void PropertySheet::UpdateApply() {
    const bool modified =
        std::any_of(pages_.begin(), pages_.end(), [](CTsyPage* p) { return p->Modified(); });
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(modified);
}

void PropertySheet::SetApplyVisible(bool visible) {
    buttons_->button(QDialogButtonBox::Apply)->setVisible(visible);
}

int PropertySheet::ActiveIndex() const {
    return active_;
}

void PropertySheet::SetActivePage(int index) {
    if (index == tabs_->currentIndex() && active_ == index) return;
    if (index == tabs_->currentIndex())
        OnTabChanged(index);
    else
        tabs_->setCurrentIndex(index);
}

void PropertySheet::OnTabChanged(int index) {
    if (index < 0 || index >= PageCount() || index == active_) return;
    if (active_ >= 0 && !pages_[static_cast<std::size_t>(active_)]->OnKillActive()) {
        // A refused value keeps the user on its page.
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(active_);
        return;
    }
    active_ = index;
    pages_[static_cast<std::size_t>(index)]->OnSetActive();
}

void PropertySheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (active_ < 0 && PageCount() > 0) SetActivePage(tabs_->currentIndex());
}

bool PropertySheet::Apply() {
    // Every other page stored its controls when its tab was left.
    return active_ < 0 || pages_[static_cast<std::size_t>(active_)]->OnKillActive();
}

void PropertySheet::accept() {
    if (Apply()) QDialog::accept();
}

CTsySheet::CTsySheet(const QString& caption, QWidget* parent) : PropertySheet(caption, parent) {
    SetApplyVisible(false);
}

}  // namespace tsy::gui
