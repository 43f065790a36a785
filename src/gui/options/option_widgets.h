// What the option pages share: radio groups in a box, slider rows with their value label, and
// the place of the preview beside the options.
#pragma once

#include <QString>
#include <QStringList>

class QBoxLayout;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLayout;
class QRadioButton;
class QSlider;
class QWidget;

namespace tsy::gui {

class CPreviewPage;

// A box of radio buttons, one a line; button i gets the id i.
QGroupBox* RadioBox(const QString& title, const QStringList& texts, QButtonGroup* group,
                    QWidget* parent);
QRadioButton* GroupButton(QButtonGroup* group, int id);

// A horizontal slider with its value label to the right, in a box titled title.
QGroupBox* SliderBox(const QString& title, QSlider* slider, QLabel* value, QWidget* parent);

// The options in a column on the left, the preview filling the rest.
void PlaceBesidePreview(CPreviewPage* page, QLayout* options);
// The options in a row on top, the preview below (wide linear symbols).
void PlaceAbovePreview(CPreviewPage* page, QLayout* options);

}  // namespace tsy::gui
