// "Sizing": module sizes in printer dots, the totals, the wide ratio and the undercut.
#pragma once

#include "gui/framework/preview_page.h"

namespace tsy::gui {

class CSizingPage : public CPreviewPage {
    Q_OBJECT
public:
    explicit CSizingPage(QWidget* parent = nullptr);
    // Set by the sheet: the ratio controls (off by default), the height slider (on).
    void EnableRatio(bool enable) { ratioEnabled_ = enable; }
    void EnableHeight(bool enable) { heightEnabled_ = enable; }

private:
    bool ratioEnabled_ = false;
    bool heightEnabled_ = true;
};

}  // namespace tsy::gui
