// One sheet per symbology: its caption, its pages in tab order and its settings of the shared
// pages.
#pragma once

#include "gui/framework/property_sheet.h"

namespace tsy::gui {

class CAztecSheet : public CTsySheet {
    Q_OBJECT
public:
    explicit CAztecSheet(CEncoderDoc& doc, QWidget* parent = nullptr);
};

class CPDF417Sheet : public CTsySheet {
    Q_OBJECT
public:
    explicit CPDF417Sheet(CEncoderDoc& doc, QWidget* parent = nullptr);
};

class CQRSheet : public CTsySheet {
    Q_OBJECT
public:
    explicit CQRSheet(CEncoderDoc& doc, QWidget* parent = nullptr);
};

class CCode128Sheet : public CTsySheet {
    Q_OBJECT
public:
    explicit CCode128Sheet(CEncoderDoc& doc, QWidget* parent = nullptr);
};

class CCode39Sheet : public CTsySheet {
    Q_OBJECT
public:
    explicit CCode39Sheet(CEncoderDoc& doc, QWidget* parent = nullptr);
};

class CZiggurSheet : public CTsySheet {
    Q_OBJECT
public:
    explicit CZiggurSheet(CEncoderDoc& doc, QWidget* parent = nullptr);
};

// Not a CTsySheet: it keeps the Apply button.
class CAztecAnimatedSheet : public PropertySheet {
    Q_OBJECT
public:
    explicit CAztecAnimatedSheet(CEncoderDoc& doc, QWidget* parent = nullptr);
};

}  // namespace tsy::gui
