#include "gui/pages/msg_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "document/encoder_doc.h"
#include "gui/pages/ascii_ctrl_dlg.h"
#include "gui/pages/caption_font.h"
#include "gui/pages/char_wnd.h"
#include "gui/pages/document_commands.h"
#include "message/codepage_table.h"
#include "message/codepage_translator.h"
#include "message/eci_table.h"
#include "platform/message_sink.h"

namespace tsy::gui {

namespace {

constexpr int kCaptionLimit = 50;
constexpr char16_t kMarker = u'\uFFF1';

QRadioButton* AddRadio(QButtonGroup* group, const QString& text, int id, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    group->addButton(button, id);
    return button;
}

QFont EditorFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    return font;
}

}  // namespace

CMsgPage::CMsgPage(QWidget* parent)
    : CPreviewPage(QStringLiteral("Message"), parent),
      editor_(new CCharWnd(this)),
      codepages_(new QComboBox(this)),
      styles_(new QButtonGroup(this)),
      enter_(new QComboBox(this)),
      status_(new QLabel(QStringLiteral("Data loss !!"), this)),
      caption_(new QLineEdit(this)),
      positions_(new QButtonGroup(this)) {
    // Built in the template's order, which is also the focus order.
    QWidget* source = MakeMessageSource();
    auto* right = new QVBoxLayout;
    right->addWidget(Preview(), 1);
    status_->setAlignment(Qt::AlignCenter);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(VerdictLabel());
    right->addLayout(statusRow);
    right->addWidget(MakeCaptionInformation());
    auto* commands = new QHBoxLayout;
    const auto command = [this, commands](const QString& text, auto action) {
        auto* button = new QPushButton(text, this);
        focusOrder_.push_back(button);
        commands->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, action] {
            if (Initialised()) action();
        });
    };
    command(QStringLiteral("To  Clipboard"), [this] { CopyPictureToClipboard(*Document()); });
    command(QStringLiteral("Export to File..."), [this] {
        const DocumentCommandRoutes& routes = CurrentDocumentCommandRoutes();
        routes.exportAsBitmap ? routes.exportAsBitmap(*Document())
                              : ExportAsBitmap(*Document(), this, Sink());
    });
    command(QStringLiteral("Save as..."), [this] {
        const DocumentCommandRoutes& routes = CurrentDocumentCommandRoutes();
        routes.saveAs ? routes.saveAs(*Document()) : SaveDocumentAs(*Document(), this, Sink());
    });
    right->addLayout(commands);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(source, 1);
    layout->addLayout(right, 1);
    for (std::size_t i = 1; i < focusOrder_.size(); ++i)
        setTabOrder(focusOrder_[i - 1], focusOrder_[i]);
    focusOrder_.clear();
}

QWidget* CMsgPage::MakeMessageSource() {
    auto* group = new QGroupBox(QStringLiteral("Message Source"), this);
    auto* layout = new QVBoxLayout(group);
    auto* label = new QLabel(QStringLiteral("Encoding (Codepage) in barcode:"), group);
    label->setBuddy(codepages_);
    layout->addWidget(label);
    codepages_->setEnabled(false);
    codepages_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(codepages_);
    editor_->setFont(EditorFont());
    layout->addWidget(editor_, 1);
    focusOrder_ = {editor_, codepages_};

    auto* styles = new QHBoxLayout;
    styles->addWidget(AddRadio(styles_, QStringLiteral("Bracket Style"), 0, group));
    styles->addWidget(AddRadio(styles_, QStringLiteral("C Style"), 1, group));
    QRadioButton* binary = AddRadio(styles_, QStringLiteral("Binary (view only)"), 2, group);
    binary->setEnabled(false);
    styles->addWidget(binary);
    styles->addStretch();
    layout->addLayout(styles);
    for (QAbstractButton* button : styles_->buttons()) focusOrder_.push_back(button);

    auto* tools = new QHBoxLayout;
    enter_->addItems({QStringLiteral("Enter = CRLF"), QStringLiteral("Enter = CR"),
                      QStringLiteral("Enter = LF")});
    tools->addWidget(enter_);
    auto* import = new QPushButton(QStringLiteral("Import From File..."), group);
    auto* controls = new QPushButton(QStringLiteral("Control Chars..."), group);
    tools->addWidget(import);
    tools->addWidget(controls);
    focusOrder_.insert(focusOrder_.end(), {enter_, import, controls});
    tools->addStretch();
    layout->addLayout(tools);

    connect(styles_, &QButtonGroup::idClicked, this, [this] {
        if (Binding().Loading()) return;
        Restyle();
        editor_->setFocus();
    });
    connect(enter_, &QComboBox::activated, this, &CMsgPage::OnEnterChosen);
    connect(codepages_, &QComboBox::activated, this, &CMsgPage::OnCodepageChosen);
    connect(import, &QPushButton::clicked, this, &CMsgPage::OnImport);
    connect(controls, &QPushButton::clicked, this, &CMsgPage::OnControlChars);
    return group;
}

QWidget* CMsgPage::MakeCaptionInformation() {
    auto* group = new QGroupBox(QStringLiteral("Caption Information"), this);
    auto* layout = new QGridLayout(group);
    layout->addWidget(caption_, 0, 0, 1, 4);
    focusOrder_.push_back(caption_);
    const char* const names[] = {"Above", "Below", "Left", "Right"};
    for (int position = 0; position < 4; ++position)
        layout->addWidget(
            AddRadio(positions_, QString::fromLatin1(names[position]), position, group), 1,
            position);
    for (QAbstractButton* button : positions_->buttons()) focusOrder_.push_back(button);
    auto* font = new QPushButton(QStringLiteral("&Font..."), group);
    focusOrder_.push_back(font);
    layout->addWidget(font, 0, 4, 2, 1);
    connect(font, &QPushButton::clicked, this, &CMsgPage::OnFont);
    return group;
}

void CMsgPage::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    binding.Custom(
        [this, &doc] {
            if (maxMessageLength_ == 0) maxMessageLength_ = doc.MaxMessageLength();
        },
        [] { return true; });
    binding.Custom(
        [this] {
            std::vector<std::u16string> items;
            for (int i = 0; i < codepages_->count(); ++i)
                items.push_back(FromQ(codepages_->itemText(i)));
            codepages_->setCurrentIndex(FindComboPrefix(items, selectedName_));
        },
        [this] {
            selectedName_ = FromQ(codepages_->currentText());
            return true;
        });
    binding.Custom([this, &doc] { editor_->SetMessage(doc.m_Message); },
                   [this, &doc] {
                       doc.m_Message = editor_->Message();
                       return true;
                   });
    binding.Watch(editor_, &QPlainTextEdit::textChanged, PageBinding::React::StoreLoad);
    binding.Text(caption_, doc.m_Caption, kCaptionLimit);
    binding.Radio(positions_, doc.m_CapPosition);
    binding.ComboIndex(enter_, doc.m_CrLfStyle, PageBinding::React::None);
}

void CMsgPage::OnInitDialog() {
    CEncoderDoc& doc = *Document();
    ComboChoice choice;
    switch (list_) {
        case CodepageList::Eci:
            choice = FillEciCombo(EciName(doc.m_Eci));
            break;
        case CodepageList::Linear:
            choice = FillCodepageCombo(
                doc.m_Codepage != 0 ? CodepageName(static_cast<uint32_t>(doc.m_Codepage)) : u"");
            break;
        case CodepageList::None:
            break;
    }
    codepages_->clear();
    for (const std::u16string& item : choice.items) codepages_->addItem(ToQ(item));
    selectedName_ = choice.selectedName;
    codepages_->setCurrentIndex(choice.selectedIndex);
    codepages_->setEnabled(list_ != CodepageList::None);
    editor_->SetStyle(doc.m_ViewStyle);
    editor_->SetEnterMode(doc.m_CrLfStyle);
}

void CMsgPage::ExchangeExtras(bool save) {
    CEncoderDoc& doc = *Document();
    if (save) {
        doc.SelectCodepage(selectedName_);
        editor_->SetEnterMode(doc.m_CrLfStyle);
    } else {
        // The style is stored by Restyle alone: the markup changes with it.
        if (QAbstractButton* button = styles_->button(static_cast<int>(doc.m_ViewStyle)))
            button->setChecked(true);
    }
}

void CMsgPage::ShowStatus(const QString& status) {
    status_->setText(status);
}

void CMsgPage::OnEnterChosen() {
    if (Binding().Loading()) return;
    if (Store()) Load();
    editor_->setFocus();
}

void CMsgPage::OnCodepageChosen() {
    if (Binding().Loading()) return;
    if (Store()) Load();
    Restyle();
    editor_->setFocus();
}

void CMsgPage::Restyle() {
    if (!Initialised()) return;
    CEncoderDoc& doc = *Document();
    const MarkupStyle oldStyle = doc.m_ViewStyle;
    if (!Store()) return;
    const MarkupStyle newStyle =
        styles_->checkedId() >= 0 ? static_cast<MarkupStyle>(styles_->checkedId()) : oldStyle;
    const bool keepCaret = oldStyle != MarkupStyle::Binary && newStyle != MarkupStyle::Binary;
    std::u16string message = doc.m_Message;
    if (keepCaret) {
        const auto at = std::clamp<std::size_t>(static_cast<std::size_t>(editor_->MessageCaret()),
                                                0, message.size());
        message.insert(at, 1, kMarker);
    }
    message = FormatMarkup(ParseMarkup(message, oldStyle, true), newStyle, false, true);
    const std::size_t marker = message.find(kMarker);
    std::erase(message, kMarker);
    doc.m_Message = std::move(message);
    doc.m_ViewStyle = newStyle;
    editor_->SetStyle(newStyle);
    Load();
    if (keepCaret && marker != std::u16string::npos)
        editor_->SetMessageCaret(static_cast<int>(marker));
}

void CMsgPage::ImportFile(const QString& path) {
    if (!Initialised()) return;
    CEncoderDoc& doc = *Document();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(Sink(), u"Bad File");
        return;
    }
    const int maximum = maxMessageLength_ != 0 ? maxMessageLength_ : doc.MaxMessageLength();
    if (file.size() > maximum || file.size() > qint64{0xFFFFFFFF}) {
        ShowMessage(Sink(), FromQ(QStringLiteral("File too large.  The maximum number of "
                                                 "\r\ncharacters allowed is %1.")
                                      .arg(maximum)));
        return;
    }
    Store();
    const QByteArray bytes = file.readAll();
    const std::u16string text =
        DecodeFileText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    doc.m_Message = FormatImportedText(text, doc.m_ViewStyle);
    Load();
    Store();
}

void CMsgPage::OnImport() {
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("All Files (*.*)"));
    if (!path.isEmpty()) ImportFile(path);
}

void CMsgPage::InsertControlChars(std::u16string_view picked) {
    if (!Initialised()) return;
    CEncoderDoc& doc = *Document();
    const std::u16string markup = FormatMarkup(picked, doc.m_ViewStyle, false, true);
    const std::size_t at =
        std::min(static_cast<std::size_t>(editor_->MessageCaret()), doc.m_Message.size());
    doc.m_Message.insert(at, markup);
    Load();
    editor_->SetMessageCaret(static_cast<int>(at + markup.size()));
    Store();
}

void CMsgPage::OnControlChars() {
    if (!Initialised()) return;
    Store();
    CAsciiCtrlDlg picker(Document()->m_ViewStyle, this);
    if (picker.exec() == QDialog::Accepted) InsertControlChars(picker.Picked());
    editor_->setFocus();
}

void CMsgPage::OnFont() {
    if (!Initialised()) return;
    CEncoderDoc& doc = *Document();
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, ToQFont(doc.m_Font.logFont(), doc.m_FontSize), this);
    if (ok) {
        const FontDescriptionFields fields = FromQFont(chosen);
        doc.m_FontFace = fields.face;
        doc.ApplyFontDescription(FormatFontDescription(fields));
        update();
    }
    Store();
}

}  // namespace tsy::gui
