// The document's caption font and Qt's font dialog: the description fields to a QFont and back.
#pragma once

#include <QFont>

#include "document/font_description.h"
#include "platform/font.h"

namespace tsy::gui {

QFont ToQFont(const LogFont& font, int32_t tenthsOfPoint);
FontDescriptionFields FromQFont(const QFont& font);

}  // namespace tsy::gui
