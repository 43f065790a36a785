#include "gui/app/new_type_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/app/app_icons.h"
#include "gui/framework/qt_text.h"
#include "symbologies/document_types.h"

namespace tsy::gui {
QStringList CNewTypeDlg::TypeNames() {
    QStringList names;
    for (const DocumentType& type : DocumentTypes()) {
        QString name = ToQ(type.docName);
        // Both Aztec types call their documents "Aztec"; the list shows which is which.
        if (names.contains(name)) {
            name = ToQ(type.fileTypeName);
            name = name.mid(name.lastIndexOf(QLatin1String(" - ")) + 3);
        }
        names << name;
    }
    return names;
}

CNewTypeDlg::CNewTypeDlg(QWidget* parent) : QDialog(parent), list_(new QListWidget) {
    setWindowTitle(QStringLiteral("New"));
    const QStringList names = TypeNames();
    std::size_t row = 0;
    for (const DocumentType& type : DocumentTypes())
        new QListWidgetItem(DocumentTypeIcon(type.kind), names[static_cast<qsizetype>(row++)],
                            list_);
    list_->setCurrentRow(0);
    list_->setIconSize(QSize(24, 24));
    auto* label = new QLabel(QStringLiteral("&New"));
    label->setBuddy(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

std::optional<DocumentKind> CNewTypeDlg::Chosen() const {
    const int row = list_->currentRow();
    if (result() != QDialog::Accepted || row < 0 ||
        static_cast<std::size_t>(row) >= DocumentTypes().size())
        return std::nullopt;
    return DocumentTypes()[static_cast<std::size_t>(row)].kind;
}

}  // namespace tsy::gui
