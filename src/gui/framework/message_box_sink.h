// The core's message boxes in the window program.
#pragma once

#include "platform/message_sink.h"

class QWidget;

namespace tsy::gui {

class MessageBoxSink final : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void Show(std::u16string_view text, MessageKind kind) override;

private:
    QWidget* parent_;
};

}  // namespace tsy::gui
