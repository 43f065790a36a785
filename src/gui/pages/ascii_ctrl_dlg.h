// "Select Control Characters": double clicks pick control characters, shown as markup.
#pragma once

#include <QDialog>
#include <string>

#include "message/markup.h"

class QListWidget;
class QListWidgetItem;
class QLineEdit;

namespace tsy::gui {

class CAsciiCtrlDlg : public QDialog {
    Q_OBJECT
public:
    CAsciiCtrlDlg(MarkupStyle style, QWidget* parent = nullptr);

    // The characters picked so far, in order.
    const std::u16string& Picked() const { return picked_; }
    QListWidget* List() const { return list_; }
    QLineEdit* PreviewEdit() const { return preview_; }
    // What a double click on the line does.
    void Pick(QListWidgetItem* item);

private:
    MarkupStyle style_;
    std::u16string picked_;
    QListWidget* list_;
    QLineEdit* preview_;
};

}  // namespace tsy::gui
