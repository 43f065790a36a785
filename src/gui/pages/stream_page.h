// "Barcode Contents": what the symbol holds, as a hexadecimal dump of the encoded bytes, of the
// markup or of the plain message. It never changes the document.
#pragma once

#include "gui/framework/tsy_page.h"

class QButtonGroup;
class QPlainTextEdit;

namespace tsy::gui {

class CStreamPage : public CTsyPage {
    Q_OBJECT
public:
    enum View { Barcode = 0, Markup = 1, Pur = 2 };

    explicit CStreamPage(QWidget* parent = nullptr);
    void OnSetActive() override;
    // Remakes the dump of the chosen view.
    void Refresh();

    QPlainTextEdit* DumpEdit() const { return edit_; }
    QButtonGroup* ViewGroup() const { return views_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;

private:
    std::u16string dump_;
    int view_ = Barcode;
    QPlainTextEdit* edit_;
    QButtonGroup* views_;
};

}  // namespace tsy::gui
