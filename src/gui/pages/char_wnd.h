// The message editor: the Enter key writes the line-end markup of the chosen style and mode.
#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

#include "message/markup.h"

namespace tsy::gui {

class CCharWnd : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CCharWnd(QWidget* parent = nullptr);

    void SetStyle(MarkupStyle style) { style_ = style; }
    MarkupStyle Style() const { return style_; }
    void SetEnterMode(EnterMode mode) { mode_ = mode; }
    EnterMode Mode() const { return mode_; }

    // The text as the document keeps it: line breaks are "\r\n" (the editor holds "\n").
    std::u16string Message() const;
    void SetMessage(std::u16string_view message);
    // The caret counted in the document's characters.
    int MessageCaret() const;
    void SetMessageCaret(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MarkupStyle style_ = MarkupStyle::Bracket;
    EnterMode mode_ = EnterMode::CrLf;
};

// The document's "\r\n" line ends as the editor's "\n", and back; positions map alike.
QString ToEditorText(std::u16string_view message);
std::u16string FromEditorText(const QString& text);
int EditorToMessagePosition(const QString& text, int position);
int MessageToEditorPosition(std::u16string_view message, int position);

}  // namespace tsy::gui
