#include "gui/options/code128_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

#include "gui/options/option_widgets.h"
#include "platform/message_sink.h"
#include "symbologies/code128/code128_doc.h"

namespace tsy::gui {
namespace {

// What each variant button stores: trailing FNC3, leading FNC3, leading tilde.
struct Variant {
    int32_t trailingFnc3;
    int32_t leadingFnc3;
    int32_t leadingTilde;
};
constexpr std::array<Variant, 4> kVariants = {{
    {0, 0, 0},  // regular
    {1, 0, 1},  // leading ~ and trailing FNC3
    {1, 0, 0},  // trailing FNC3
    {0, 1, 0},  // leading FNC3
}};

int VariantOf(const CCode128Doc& doc) {
    if (doc.m_LeadingFnc3) return 3;
    if (doc.m_TrailingFnc3) return doc.m_LeadingTilde ? 1 : 2;
    return 0;
}

}  // namespace

CCode128Page::CCode128Page(QWidget* parent)
    : CPreviewPage(QStringLiteral("Code 128 Options"), parent),
      variants_(new QButtonGroup(this)),
      menu_(new QCheckBox(QStringLiteral("Encode Menu 128 "), this)),
      menuId_(new QLineEdit(this)),
      opcode_(new QLineEdit(this)),
      offset_(new QLineEdit(this)),
      data_(new QLineEdit(this)) {
    auto* options = new QHBoxLayout;
    options->addWidget(
        RadioBox(QStringLiteral("Code 128 Function Characters"),
                 {QStringLiteral("Regular symbol, no FNC3"),
                  QStringLiteral("Leading ~ and Trailing FNC3:  Corvanta configuration symbol"),
                  QStringLiteral("Trailing FNC3: MAC Address symbol"),
                  QStringLiteral("Leading FNC3: Pellworth configuration symbol")},
                 variants_, this));
    options->addWidget(MakeMenuGroup());
    PlaceAbovePreview(this, options);
    connect(menu_, &QCheckBox::clicked, this, &CCode128Page::OnMenuClicked);
    // Half-typed numbers wait: only a complete one is stored while the user types; leaving
    // the page checks the rest.
    for (QLineEdit* edit : {menuId_, opcode_})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            if (edit->hasAcceptableInput()) Binding().Changed(PageBinding::React::Store);
        });
}

QWidget* CCode128Page::MakeMenuGroup() {
    auto* group = new QGroupBox(QStringLiteral("Menu 128 Options (obsolete)"), this);
    auto* layout = new QVBoxLayout(group);
    auto* note = new QLabel(QStringLiteral("Select this option to create configuration  (menu) "
                                           "symbols for the KT4100 and the KT7100 products (now "
                                           "obsolete)"),
                            group);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(menu_);
    auto* fields = new QFormLayout;
    menuId_->setValidator(new QIntValidator(0, CCode128Doc::kMaxMenuId, menuId_));
    opcode_->setValidator(new QIntValidator(0, CCode128Doc::kMaxMenuOpcode, opcode_));
    fields->addRow(QStringLiteral("Menu ID:"), menuId_);
    fields->addRow(QStringLiteral("Menu Opcode:"), opcode_);
    fields->addRow(QStringLiteral("Offset:"), offset_);
    fields->addRow(QStringLiteral("Data:"), data_);
    layout->addLayout(fields);
    return group;
}

void CCode128Page::BindNumber(PageBinding& binding, QLineEdit* edit, uint8_t& field) {
    binding.Custom([edit, &field] { edit->setText(QString::number(field)); },
                   [this, edit, &field] {
                       const auto* range = static_cast<const QIntValidator*>(edit->validator());
                       bool ok = false;
                       const int value = edit->text().toInt(&ok);
                       if (ok && value >= range->bottom() && value <= range->top()) {
                           field = static_cast<uint8_t>(value);
                           return true;
                       }
                       ShowMessage(Sink(), FromQ(QStringLiteral("Please enter an integer between "
                                                                "%1 and %2.")
                                                     .arg(range->bottom())
                                                     .arg(range->top())));
                       edit->setFocus();
                       edit->selectAll();
                       return false;
                   });
}

void CCode128Page::BindControls(PageBinding& binding, CEncoderDoc& doc) {
    auto& code128 = static_cast<CCode128Doc&>(doc);
    binding.Custom(
        [this, &code128] {
            if (QAbstractButton* b = variants_->button(VariantOf(code128))) b->setChecked(true);
        },
        [this, &code128] {
            const int id = variants_->checkedId();
            if (id < 0 || id >= static_cast<int>(kVariants.size())) return true;
            const Variant& v = kVariants[static_cast<std::size_t>(id)];
            code128.m_TrailingFnc3 = v.trailingFnc3;
            code128.m_LeadingFnc3 = v.leadingFnc3;
            code128.m_LeadingTilde = v.leadingTilde;
            return true;
        });
    binding.Watch(variants_, &QButtonGroup::idClicked, PageBinding::React::Store);
    binding.Check(menu_, code128.m_Menu128, PageBinding::React::None);
    BindNumber(binding, menuId_, code128.m_MenuId);
    BindNumber(binding, opcode_, code128.m_MenuOpcode);
    binding.Text(offset_, code128.m_MenuOffset, static_cast<int>(CCode128Doc::kMaxMenuOffset));
    binding.Text(data_, code128.m_MenuData, static_cast<int>(CCode128Doc::kMaxMenuData));
}

void CCode128Page::OnMenuClicked(bool checked) {
    if (Binding().Loading() || !Store()) return;
    // The message page shows the new message when its tab comes back.
    Document()->m_Message = checked ? u"Menu" : u"";
    Load();
}

}  // namespace tsy::gui
