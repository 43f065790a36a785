#include "gui/framework/page_binding.h"

namespace tsy::gui {

void PageBinding::Clear() {
    for (const QMetaObject::Connection& c : connections_) QObject::disconnect(c);
    connections_.clear();
    rows_.clear();
}

void PageBinding::Add(std::function<void()> load, std::function<bool()> store) {
    rows_.push_back({std::move(load), std::move(store)});
}

void PageBinding::Custom(std::function<void()> load, std::function<bool()> store) {
    Add(std::move(load), std::move(store));
}

void PageBinding::Text(QLineEdit* edit, std::u16string& field, int maxLength, React react) {
    if (maxLength > 0) edit->setMaxLength(maxLength);
    Add([edit, &field] { edit->setText(ToQ(field)); },
        [edit, &field, maxLength] {
            QString text = edit->text();
            if (maxLength > 0) text.truncate(maxLength);
            field = FromQ(text);
            return true;
        });
    Watch(edit, &QLineEdit::textEdited, react);
}

void PageBinding::Text(QPlainTextEdit* edit, std::u16string& field, React react) {
    Add(
        [edit, &field] {
            const QString text = ToQ(field);
            if (edit->toPlainText() != text) edit->setPlainText(text);
        },
        [edit, &field] {
            field = FromQ(edit->toPlainText());
            return true;
        });
    Watch(edit, &QPlainTextEdit::textChanged, react);
}

void PageBinding::Load() {
    const bool was = loading_;
    loading_ = true;
    for (Row& row : rows_) row.load();
    loading_ = was;
}

bool PageBinding::Store() {
    for (Row& row : rows_)
        if (!row.store()) return false;
    return true;
}

void PageBinding::Changed(React react) {
    if (loading_ || !onChange_) return;
    // The handler loads the controls again; their signals must not call back in.
    loading_ = true;
    onChange_(react);
    loading_ = false;
}

}  // namespace tsy::gui
