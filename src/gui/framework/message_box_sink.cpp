#include "gui/framework/message_box_sink.h"

#include "gui/framework/qt_text.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace tsy::gui {

void MessageBoxSink::Show(std::u16string_view text, MessageKind kind) {
    const QString body = ToQ(text);
    const QString title = QApplication::applicationDisplayName();
    switch (kind) {
        case MessageKind::Information:
            QMessageBox::information(parent_, title, body);
            break;
        case MessageKind::Warning:
            QMessageBox::warning(parent_, title, body);
            break;
        case MessageKind::Error:
            QMessageBox::critical(parent_, title, body);
            break;
    }
}

}  // namespace tsy::gui
