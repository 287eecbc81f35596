#include "windows/GraphControls.h"

#include "windows/AnchoredPanel.h"
#include "windows/UpDownArrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>

namespace morvane::GraphControls {
namespace {

template <typename Control>
Control* placed(AnchoredPanel& panel, Control* control, const char* name, QRect box,
                unsigned anchors) {
    control->setObjectName(name);
    panel.place(control, box, anchors);
    return control;
}

} // namespace

QLabel* label(AnchoredPanel& panel, const char* name, const QString& text, QRect box,
              unsigned anchors, Qt::Alignment alignment) {
    auto* control = new QLabel(text, &panel);
    control->setAlignment(alignment | Qt::AlignVCenter);
    return placed(panel, control, name, box, anchors);
}

QSlider* slider(AnchoredPanel& panel, const char* name, QRect box, int minimum, int maximum,
                int value, int pageStep) {
    auto* control = new QSlider(Qt::Horizontal, &panel);
    control->setRange(minimum, maximum);
    control->setValue(value);
    control->setSingleStep(1);
    control->setPageStep(pageStep);
    control->setTracking(true);
    control->setFocusPolicy(Qt::NoFocus);
    return placed(panel, control, name, box, Anchor::None);
}

QScrollBar* scrollBar(AnchoredPanel& panel, const char* name, Qt::Orientation orientation,
                      QRect box, unsigned anchors) {
    auto* control = new QScrollBar(orientation, &panel);
    control->setRange(0, 0);
    control->setValue(0);
    control->setSingleStep(1);
    control->setPageStep(20);
    control->setTracking(true);
    control->setFocusPolicy(Qt::NoFocus);
    return placed(panel, control, name, box, anchors);
}

UpDownArrows* arrows(AnchoredPanel& panel, const char* name, QRect box) {
    return placed(panel, new UpDownArrows(&panel), name, box, Anchor::None);
}

QCheckBox* checkBox(AnchoredPanel& panel, const char* name, const QString& text, QRect box) {
    auto* control = new QCheckBox(text, &panel);
    control->setChecked(true);
    control->setFocusPolicy(Qt::NoFocus);
    return placed(panel, control, name, box, Anchor::None);
}

QComboBox* popup(AnchoredPanel& panel, const char* name, const QStringList& items, QRect box,
                 unsigned anchors) {
    auto* control = new QComboBox(&panel);
    control->addItems(items);
    control->setCurrentIndex(items.isEmpty() ? -1 : 0);
    control->setFocusPolicy(Qt::NoFocus);
    return placed(panel, control, name, box, anchors);
}

QLineEdit* textField(AnchoredPanel& panel, const char* name, const QString& text, QRect box) {
    auto* control = new QLineEdit(text, &panel);
    control->setFrame(true);
    control->setFocusPolicy(Qt::StrongFocus);
    return placed(panel, control, name, box, Anchor::None);
}

} // namespace morvane::GraphControls
