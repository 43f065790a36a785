// The About box and the command-line help window.
#pragma once

#include <QDialog>

class QButtonGroup;
class QPlainTextEdit;

namespace tsy::gui {

// "About Tessaly": product name and version record, company and copyright.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// "Commandline Help": five topics behind radio buttons over one read-only text; Overview first.
class CCommandLineHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCommandLineHelpDlg(QWidget* parent = nullptr);

    QButtonGroup* Topics() const { return topics_; }
    QPlainTextEdit* TextBox() const { return text_; }

private:
    void ShowTopic(int index);

    QButtonGroup* topics_;
    QPlainTextEdit* text_;
};

}  // namespace tsy::gui
