// Where a core operation's message box goes: the GUI shows a dialog, the command line writes
// to stderr. Core code takes a MessageSink* and never decides how a message is shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tsy {

enum class MessageKind { Information, Warning, Error };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // One message box with an OK button: returns when the user has seen it.
    virtual void Show(std::u16string_view text, MessageKind kind) = 0;
};

// Writes each message as one UTF-8 line to stderr.
class StderrMessageSink final : public MessageSink {
public:
    void Show(std::u16string_view text, MessageKind kind) override;
};

// Keeps the messages; for tests and for callers that report them later (the batch log).
class RecordingMessageSink final : public MessageSink {
public:
    struct Entry {
        std::u16string text;
        MessageKind kind;
    };
    void Show(std::u16string_view text, MessageKind kind) override {
        entries.push_back({std::u16string(text), kind});
    }
    std::vector<Entry> entries;
};

// The message box of a core operation: a null sink writes to stderr, so nothing is lost.
void ShowMessage(MessageSink* sink, std::u16string_view text,
                 MessageKind kind = MessageKind::Warning);

}  // namespace tsy
