// The New command's list of document types (Ctrl+N): every type, Ziggur included.
#pragma once

#include <QDialog>
#include <optional>

#include "document/document_kind.h"

class QListWidget;

namespace tsy::gui {

class CNewTypeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewTypeDlg(QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    // The chosen type after the dialog was confirmed.
    std::optional<DocumentKind> Chosen() const;

    // The names the list offers, in start-up order; the two Aztec types are told apart.
    static QStringList TypeNames();

private:
    QListWidget* list_;
};

}  // namespace tsy::gui
