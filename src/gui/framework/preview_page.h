// A page with the live preview: every exchange rebuilds the symbol and shows it, on white when
// the message translated without loss, on light red when it did not, and reads it back with a
// real reader so a symbol that would not scan shows before it is printed.
#pragma once

#include "gui/framework/bitmap_ctrl.h"
#include "gui/framework/tsy_page.h"

class QLabel;

namespace tsy::gui {

inline const QColor kAccurateColour{255, 255, 255};
inline const QColor kDataLossColour{255, 100, 100};
inline constexpr char16_t kAccurateText[] = u"Accurate";
inline constexpr char16_t kDataLossText[] = u"Data loss, please use another more suitable codepage";

class CPreviewPage : public CTsyPage {
    Q_OBJECT
public:
    explicit CPreviewPage(const QString& caption, QWidget* parent = nullptr);

    void SetDocument(CEncoderDoc* doc) override;
    // Builds the document's symbol and shows it, fitted without enlarging.
    void UpdatePreview();

    CBitmapCtrl* Preview() const { return preview_; }
    // "Verified", "Not readable" or "Not checked" for the latest build, the reason as tooltip;
    // each page places it.
    QLabel* VerdictLabel() const { return verdict_; }
    // From the document's Accurate, taken at the start of the latest exchange.
    const QString& StatusText() const { return status_; }

protected:
    bool DataExchange(bool save) override;
    // After the rebuild: pages that show the status text put it up here.
    virtual void ShowStatus(const QString&) {}

private:
    void ShowVerdict(bool built);

    CBitmapCtrl* preview_;
    QLabel* verdict_;
    QString status_;
};

}  // namespace tsy::gui
