#include "platform/message_sink.h"

#include <gtest/gtest.h>

#include "platform/utf8_text.h"

namespace tsy {
namespace {

TEST(MessageSink, CoreMessagesReachTheSink) {
    RecordingMessageSink sink;
    ShowMessage(&sink, u"Nothing to Export", MessageKind::Error);
    ShowMessage(&sink, u"second");
    ASSERT_EQ(sink.entries.size(), 2u);
    EXPECT_EQ(sink.entries[0].text, u"Nothing to Export");
    EXPECT_EQ(sink.entries[0].kind, MessageKind::Error);
    EXPECT_EQ(sink.entries[1].kind, MessageKind::Warning);
}

TEST(MessageSink, WithoutASinkTheMessageGoesToStderr) {
    testing::internal::CaptureStderr();
    ShowMessage(nullptr, u"Caf\u00E9 failed");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Caf\xC3\xA9 failed\n");
}

TEST(Utf8Text, RoundTripAndDamagedInput) {
    EXPECT_EQ(Utf16ToUtf8Text(u"A\u00E9\U0001F600"), "A\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16Text("A\xC3\xA9\xF0\x9F\x98\x80"), u"A\u00E9\U0001F600");
    EXPECT_EQ(Utf16ToUtf8Text(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf16Text("\xC3"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16Text("\xC0\xAF"), u"\uFFFD");        // overlong
    EXPECT_EQ(Utf8ToUtf16Text("\xED\xA0\x80x"), u"\uFFFDx");  // encoded surrogate
}

}  // namespace
}  // namespace tsy
