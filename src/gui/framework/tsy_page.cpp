#include "gui/framework/tsy_page.h"

#include "gui/framework/message_box_sink.h"
#include "platform/message_sink.h"

namespace tsy::gui {

CTsyPage::CTsyPage(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption), ownSink_(std::make_unique<MessageBoxSink>(this)) {
    binding_.SetChangeHandler([this](PageBinding::React react) { OnControlChanged(react); });
    binding_.SetPrompter([this](std::u16string_view text) { ShowMessage(Sink(), text); });
}

CTsyPage::~CTsyPage() = default;

MessageSink* CTsyPage::Sink() const {
    return sink_ ? sink_ : ownSink_.get();
}

void CTsyPage::SetDocument(CEncoderDoc* doc) {
    doc_ = doc;
    binding_.Clear();
    if (doc_) BindControls(binding_, *doc_);
}

void CTsyPage::BindControls(PageBinding&, CEncoderDoc&) {}

void CTsyPage::Load() {
    if (!initialised_ || !doc_) return;
    DataExchange(false);
}

bool CTsyPage::Store() {
    if (!initialised_ || !doc_) return true;
    if (!DataExchange(true)) return false;
    SetModified(false);
    return true;
}

bool CTsyPage::DataExchange(bool save) {
    if (save) {
        if (!binding_.Store()) return false;
    } else {
        binding_.Load();
    }
    ExchangeExtras(save);
    return true;
}

void CTsyPage::OnSetActive() {
    if (!doc_) return;  // a page without a document has nothing to show
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    Load();
}

bool CTsyPage::OnKillActive() {
    return Store();
}

void CTsyPage::SetModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit ModifiedChanged(modified);
}

void CTsyPage::OnControlChanged(PageBinding::React react) {
    if (react == PageBinding::React::Modified) {
        SetModified(true);
        return;
    }
    if (!Store()) return;
    if (react == PageBinding::React::StoreLoad) Load();
}

}  // namespace tsy::gui
