// The program's icons, drawn rather than shipped: each symbology shows a tiny symbol of its kind.
#pragma once

#include <QIcon>

#include "document/document_kind.h"

namespace tsy::gui {

QIcon ApplicationIcon();
QIcon DocumentTypeIcon(DocumentKind kind);
QIcon PrinterIcon();

}  // namespace tsy::gui
