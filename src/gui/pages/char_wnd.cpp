#include "gui/pages/char_wnd.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <algorithm>

#include "gui/framework/page_binding.h"

namespace tsy::gui {

QString ToEditorText(std::u16string_view message) {
    QString text = ToQ(message);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::u16string FromEditorText(const QString& text) {
    QString message = text;
    message.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return FromQ(message);
}

int EditorToMessagePosition(const QString& text, int position) {
    position = std::clamp(position, 0, static_cast<int>(text.size()));
    return position + static_cast<int>(text.left(position).count(QChar(u'\n')));
}

int MessageToEditorPosition(std::u16string_view message, int position) {
    position = std::clamp(position, 0, static_cast<int>(message.size()));
    int editor = position;
    for (int i = 0; i + 1 < position; ++i)
        if (message[static_cast<std::size_t>(i)] == u'\r' &&
            message[static_cast<std::size_t>(i) + 1] == u'\n')
            --editor;
    return editor;
}

CCharWnd::CCharWnd(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
}

std::u16string CCharWnd::Message() const {
    return FromEditorText(toPlainText());
}

void CCharWnd::SetMessage(std::u16string_view message) {
    const QString text = ToEditorText(message);
    if (toPlainText() != text) setPlainText(text);
}

int CCharWnd::MessageCaret() const {
    return EditorToMessagePosition(toPlainText(), textCursor().selectionStart());
}

void CCharWnd::SetMessageCaret(int position) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(MessageToEditorPosition(Message(), position));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void CCharWnd::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Shift+Enter types a carriage return too, as in a Windows edit control; left to Qt it would
    // become a line separator.
    const bool plain =
        (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    if (enter && plain) {
        const std::u16string markup = EnterKeyText(style_, mode_);
        if (!markup.empty()) {
            insertPlainText(ToEditorText(markup));
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace tsy::gui
