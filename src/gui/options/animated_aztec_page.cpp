#include "gui/options/animated_aztec_page.h"

#include <QVBoxLayout>

namespace tsy::gui {

CAnimatedAztecPP::CAnimatedAztecPP(QWidget* parent)
    : CTsyPage(QStringLiteral("Animatimation"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
}

}  // namespace tsy::gui
