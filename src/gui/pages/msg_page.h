// "Message": the message in its markup, the character set, the Enter key's markup, the caption
// and the preview with the translation status.
#pragma once

#include <QString>
#include <vector>

#include "gui/framework/preview_page.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tsy::gui {

class CCharWnd;

class CMsgPage : public CPreviewPage {
    Q_OBJECT
public:
    // What the character-set box lists; the sheet decides.
    enum class CodepageList { None, Eci, Linear };

    explicit CMsgPage(QWidget* parent = nullptr);
    void SetCodepageList(CodepageList list) { list_ = list; }

    // Re-marks the message in the style of the radio group, keeping the caret on its character.
    void Restyle();
    // Replaces the message by a file's text; the messages of a refused file go to Sink().
    void ImportFile(const QString& path);
    // Inserts picked control characters as markup at the caret.
    void InsertControlChars(std::u16string_view picked);

    CCharWnd* Editor() const { return editor_; }
    QComboBox* CodepageBox() const { return codepages_; }
    QComboBox* EnterBox() const { return enter_; }
    QButtonGroup* StyleGroup() const { return styles_; }
    QButtonGroup* PositionGroup() const { return positions_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QLabel* StatusLabel() const { return status_; }

protected:
    void BindControls(PageBinding& binding, CEncoderDoc& doc) override;
    void OnInitDialog() override;
    void ExchangeExtras(bool save) override;
    void ShowStatus(const QString& status) override;

private:
    QWidget* MakeMessageSource();
    QWidget* MakeCaptionInformation();
    void OnEnterChosen();
    void OnCodepageChosen();
    void OnImport();
    void OnControlChars();
    void OnFont();

    std::vector<QWidget*> focusOrder_;  // filled while the page is built
    CodepageList list_ = CodepageList::None;
    std::u16string selectedName_;
    int maxMessageLength_ = 0;
    CCharWnd* editor_;
    QComboBox* codepages_;
    QButtonGroup* styles_;
    QComboBox* enter_;
    QLabel* status_;
    QLineEdit* caption_;
    QButtonGroup* positions_;
};

}  // namespace tsy::gui
