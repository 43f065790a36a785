#include "platform/message_sink.h"

#include <cstdio>

#include "platform/utf8_text.h"

namespace tsy {

void StderrMessageSink::Show(std::u16string_view text, MessageKind /*kind*/) {
    const std::string line = Utf16ToUtf8Text(text);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

void ShowMessage(MessageSink* sink, std::u16string_view text, MessageKind kind) {
    if (sink != nullptr) {
        sink->Show(text, kind);
        return;
    }
    StderrMessageSink().Show(text, kind);
}

}  // namespace tsy
