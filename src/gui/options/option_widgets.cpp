#include "gui/options/option_widgets.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/framework/preview_page.h"

namespace tsy::gui {

QGroupBox* RadioBox(const QString& title, const QStringList& texts, QButtonGroup* group,
                    QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    for (int id = 0; id < texts.size(); ++id) {
        auto* button = new QRadioButton(texts[id], box);
        group->addButton(button, id);
        layout->addWidget(button);
    }
    layout->addStretch();
    return box;
}

QRadioButton* GroupButton(QButtonGroup* group, int id) {
    return qobject_cast<QRadioButton*>(group->button(id));
}

QGroupBox* SliderBox(const QString& title, QSlider* slider, QLabel* value, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(box);
    slider->setOrientation(Qt::Horizontal);
    slider->setMinimumWidth(slider->fontMetrics().averageCharWidth() * 24);
    layout->addWidget(slider, 1);
    // Wide enough for the longest text the label takes, so the slider does not jump.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("Level 88")));
    layout->addWidget(value);
    return box;
}

namespace {

// The preview with the reader's verdict under it.
QLayout* PreviewColumn(CPreviewPage* page) {
    auto* column = new QVBoxLayout;
    column->addWidget(page->Preview(), 1);
    column->addWidget(page->VerdictLabel());
    return column;
}

}  // namespace

void PlaceBesidePreview(CPreviewPage* page, QLayout* options) {
    auto* layout = new QHBoxLayout(page);
    auto* column = new QVBoxLayout;
    column->addLayout(options);
    column->addStretch();
    layout->addLayout(column);
    layout->addLayout(PreviewColumn(page), 1);
}

void PlaceAbovePreview(CPreviewPage* page, QLayout* options) {
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(options);
    layout->addLayout(PreviewColumn(page), 1);
}

}  // namespace tsy::gui
