// One page's table of controls and the document fields they edit: each row loads its field into
// the control and stores it back, and reports the user's edits to the page.
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/framework/qt_text.h"

namespace tsy::gui {

class PageBinding {
public:
    // What an edit of the control makes the page do.
    enum class React {
        Store,      // controls -> document, then the preview
        StoreLoad,  // and back again, so values derived by the document show at once
        Modified,   // nothing stored yet: the page is marked modified (Apply), stored when left
        None,       // the page connects the control itself
    };
    using ChangeHandler = std::function<void(React)>;
    // Shows a refusal ("Enter a number.") to the user.
    using Prompter = std::function<void(std::u16string_view)>;

    PageBinding() = default;
    PageBinding(const PageBinding&) = delete;
    PageBinding& operator=(const PageBinding&) = delete;
    ~PageBinding() { Clear(); }

    void SetChangeHandler(ChangeHandler handler) { onChange_ = std::move(handler); }
    void SetPrompter(Prompter prompter) { prompt_ = std::move(prompter); }
    // Forgets every row and disconnects its control.
    void Clear();

    // Check box or radio button: checked <-> non-zero.
    template <class T>
    void Check(QAbstractButton* box, T& field, React react = React::Store) {
        Add([box, &field] { box->setChecked(field != T{}); },
            [box, &field] {
                field = static_cast<T>(box->isChecked() ? 1 : 0);
                return true;
            });
        Watch(box, &QAbstractButton::clicked, react);
    }
    // Radio group: the button ids are the field's values.
    template <class T>
    void Radio(QButtonGroup* group, T& field, React react = React::Store) {
        Add(
            [group, &field] {
                if (QAbstractButton* b = group->button(static_cast<int>(field)))
                    b->setChecked(true);
            },
            [group, &field] {
                if (group->checkedId() != -1) field = static_cast<T>(group->checkedId());
                return true;
            });
        Watch(group, &QButtonGroup::idClicked, react);
    }
    // Drop-down list by index; "activated" is the user's choice only.
    template <class T>
    void ComboIndex(QComboBox* combo, T& field, React react = React::Store) {
        Add([combo, &field] { combo->setCurrentIndex(static_cast<int>(field)); },
            [combo, &field] {
                if (combo->currentIndex() >= 0) field = static_cast<T>(combo->currentIndex());
                return true;
            });
        Watch(combo, &QComboBox::activated, react);
    }
    template <class T>
    void Spin(QSpinBox* spin, T& field, React react = React::Store) {
        Ranged(spin, field, react, &QSpinBox::valueChanged);
    }
    template <class T>
    void Slider(QSlider* slider, T& field, React react = React::Store) {
        Ranged(slider, field, react, &QSlider::valueChanged);
    }
    // Line edit; maxLength > 0 also limits what the user can type.
    void Text(QLineEdit* edit, std::u16string& field, int maxLength = 0,
              React react = React::Store);
    void Text(QPlainTextEdit* edit, std::u16string& field, React react = React::Store);
    // Whole number typed into a line edit, refused outside min..max with the standard prompts
    // ("Enter an integer." / "Enter an integer between %1 and %2."). Reacts when the user leaves
    // the field, so no prompt interrupts the typing.
    void Integer(QLineEdit* edit, int32_t& field, int32_t min, int32_t max,
                 React react = React::Store);
    // The same for a number ("Enter a number." / "Enter a number between %1 and %2.").
    void Real(QLineEdit* edit, float& field, double min, double max, React react = React::Store);
    // Any other pairing. store returns false to refuse the page's values (it has told the user).
    void Custom(std::function<void()> load, std::function<bool()> store);

    // Every row, in table order.
    void Load();
    // Stops at the first row that refuses; false then.
    bool Store();

    // True while controls are being loaded: their change signals are not the user's.
    bool Loading() const { return loading_; }
    // Reports an edit of a control connected by the page itself.
    void Changed(React react);

    // A value beyond the control's range (from a file or the command line) shows at the
    // nearest end and is kept until the user moves the control.
    template <class Control, class T, class Signal>
    void Ranged(Control* control, T& field, React react, Signal signal) {
        auto untouched = std::make_shared<int>(0);
        Add(
            [control, &field, untouched] {
                control->setValue(static_cast<int>(field));
                *untouched = control->value();
            },
            [control, &field, untouched] {
                const int value = control->value();
                if (value == *untouched && static_cast<int>(field) != value) return true;
                field = static_cast<T>(value);
                *untouched = INT_MIN;
                return true;
            });
        Watch(control, signal, react);
    }

    template <class Sender, class Signal>
    void Watch(Sender* sender, Signal signal, React react) {
        if (react == React::None) return;
        connections_.push_back(QObject::connect(sender, signal, [this, react] { Changed(react); }));
    }

private:
    struct Row {
        std::function<void()> load;
        std::function<bool()> store;
    };
    void Add(std::function<void()> load, std::function<bool()> store);

    void WatchFinished(QLineEdit* edit, React react);
    void Prompt(const QString& text) const;

    std::vector<Row> rows_;
    std::vector<QMetaObject::Connection> connections_;
    ChangeHandler onChange_;
    Prompter prompt_;
    bool loading_ = false;
};

}  // namespace tsy::gui
