// "Message": the message in its markup, the character set, the caption and the preview.
#pragma once

#include "gui/framework/preview_page.h"

namespace tsy::gui {

class CMsgPage : public CPreviewPage {
    Q_OBJECT
public:
    // What the character-set box lists; the sheet decides.
    enum class CodepageList { None, Eci, Linear };

    explicit CMsgPage(QWidget* parent = nullptr);
    void SetCodepageList(CodepageList list);

private:
    CodepageList list_ = CodepageList::None;
};

}  // namespace tsy::gui
