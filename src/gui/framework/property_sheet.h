// A modal dialog with one tab per page, OK and Cancel (and Apply where a sheet keeps it): the
// tab shown reloads from the document, the tab left and OK store into it.
#pragma once

#include <QDialog>
#include <vector>

class QDialogButtonBox;
class QTabWidget;

namespace tsy {
class CEncoderDoc;
}

namespace tsy::gui {

class CTsyPage;

class PropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit PropertySheet(const QString& caption, QWidget* parent = nullptr);

    // Appends a tab; the sheet owns the page.
    void AddPage(CTsyPage* page);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    CTsyPage* Page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    // Gives every page the document.
    void SetDocument(CEncoderDoc* doc);
    // Shows a tab (the tab left is stored first, as a click on the tab does).
    void SetActivePage(int index);
    int ActiveIndex() const;
    QTabWidget* Tabs() const { return tabs_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Stores the page shown; false when it refused its values.
    bool Apply();
    void SetApplyVisible(bool visible);

private:
    void OnTabChanged(int index);
    // Apply is enabled while a page holds changes it has not stored.
    void UpdateApply();

    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    std::vector<CTsyPage*> pages_;
    int active_ = -1;
};

// The sheet of every symbology but the animated Aztec one: no Apply button.
class CTsySheet : public PropertySheet {
    Q_OBJECT
public:
    explicit CTsySheet(const QString& caption, QWidget* parent = nullptr);
};

}  // namespace tsy::gui
