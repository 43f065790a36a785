// "Multiple Symbols": every line of a list becomes its own symbol file. The run borrows the
// document on a worker thread while the page shows its progress and can stop it.
#pragma once

#include <atomic>
#include <string>

#include "gui/framework/tsy_page.h"
#include "message/markup.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace tsy::gui {

class CBatchPage : public CTsyPage {
    Q_OBJECT
public:
    explicit CBatchPage(QWidget* parent = nullptr);
    ~CBatchPage() override;

    // Import From File with the file already chosen.
    void ImportFile(const QString& path);
    // "...": the save dialog; false when it was cancelled.
    bool ChooseOutputFile();
    // What the dialog's OK does with the chosen path.
    void SetOutputFile(const QString& path);
    // Build Multiple Symbols; returns when the run has ended.
    void Build();
    void Cancel() { cancel_ = true; }
    bool Running() const { return running_; }

    QButtonGroup* StyleGroup() const { return styles_; }
    QPlainTextEdit* TextEdit() const { return text_; }
    QButtonGroup* NamingGroup() const { return naming_; }
    QLineEdit* MaskEdit() const { return mask_; }
    QCheckBox* CaptionBox() const { return caption_; }
    QCheckBox* VerifyBox() const { return verify_; }
    QPushButton* BuildButton() const { return build_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QLabel* StatusText() const { return status_; }
    QProgressBar* Progress() const { return progress_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeListSide();
    QWidget* MakeOutputSide();
    void OnRestyle();
    void OnImport();
    void ShowProgress(int position, int count, const QString& status);
    // While a run holds the document nothing else may touch it: the sheet cannot be closed,
    // confirmed or switched to another page.
    void Lock(bool running);

    // What the page keeps for one sheet run; none of it is in the document.
    std::u16string maskText_;
    std::u16string extension_;
    std::u16string batchText_;
    std::u16string statusText_;
    int32_t namingMode_ = 1;
    int32_t captionFlag_ = 0;
    int32_t verifyFlag_ = 0;
    MarkupStyle style_ = MarkupStyle::Bracket;

    std::atomic<bool> cancel_{false};
    bool running_ = false;

    QButtonGroup* styles_;
    QPlainTextEdit* text_;
    QButtonGroup* naming_;
    QLineEdit* mask_;
    QCheckBox* caption_;
    QCheckBox* verify_;
    QPushButton* build_;
    QPushButton* cancelButton_;
    QLabel* status_;
    QProgressBar* progress_;
};

}  // namespace tsy::gui
