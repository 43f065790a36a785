#include "gui/framework/page_binding.h"

#include <algorithm>
#include <cmath>

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
    // A longer text from a file or the command line is shown whole and kept until edited.
    Add(
        [edit, &field, maxLength] {
            const QString text = ToQ(field);
            if (maxLength > 0) edit->setMaxLength(std::max<int>(maxLength, text.size()));
            edit->setText(text);
        },
        [edit, &field, maxLength] {
            QString text = edit->text();
            if (text == ToQ(field)) return true;
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

void PageBinding::Prompt(const QString& text) const {
    if (prompt_) prompt_(FromQ(text));
}

void PageBinding::WatchFinished(QLineEdit* edit, React react) {
    if (react == React::None) return;
    connections_.push_back(QObject::connect(edit, &QLineEdit::editingFinished, [this, edit, react] {
        // Return also presses the sheet's OK, which stores (and prompts) once by itself.
        // Focus also leaves when the sheet closes: nothing to store or refuse then.
        if (!edit->isModified() || edit->hasFocus() || !edit->window()->isVisible()) return;
        edit->setModified(false);
        Changed(react);
    }));
}

void PageBinding::Integer(QLineEdit* edit, int32_t& field, int32_t min, int32_t max, React react) {
    Add([edit, &field] { edit->setText(QString::number(field)); },
        [this, edit, &field, min, max] {
            if (!edit->isEnabled()) return true;  // not the user's to correct
            bool number = false;
            const int value = edit->text().trimmed().toInt(&number);
            if (!number) {
                Prompt(QStringLiteral("Enter an integer."));
                return false;
            }
            if (value < min || value > max) {
                Prompt(QStringLiteral("Enter an integer between %1 and %2.").arg(min).arg(max));
                return false;
            }
            field = value;
            return true;
        });
    WatchFinished(edit, react);
}

void PageBinding::Real(QLineEdit* edit, float& field, double min, double max, React react) {
    Add([edit, &field] { edit->setText(QString::number(static_cast<double>(field), 'g', 6)); },
        [this, edit, &field, min, max] {
            // A value out of range from a file stays while the control is disabled: the user
            // could not correct it.
            if (!edit->isEnabled()) return true;
            bool number = false;
            const double value = edit->text().trimmed().toDouble(&number);
            if (!number || !std::isfinite(value)) {
                Prompt(QStringLiteral("Enter a number."));
                return false;
            }
            // The bounds as a float holds them: 3.4 typed is the float 3.4 stored.
            if (static_cast<float>(value) < static_cast<float>(min) ||
                static_cast<float>(value) > static_cast<float>(max)) {
                Prompt(QStringLiteral("Enter a number between %1 and %2.")
                           .arg(QString::number(min, 'g', 6), QString::number(max, 'g', 6)));
                return false;
            }
            field = static_cast<float>(value);
            return true;
        });
    WatchFinished(edit, react);
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
