#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QSlider;

namespace morvane {

class AnchoredPanel;
class UpDownArrows;

// Makes the controls of the graph windows on their content area: each with its name as object
// name, placed at its box (pixels of the window's layout) with its anchoring. Only the circle
// size field takes the keyboard focus; every other control is worked with the mouse, so that
// the window's keys are not taken by a slider or a pop-up menu.
namespace GraphControls {

QLabel* label(AnchoredPanel& panel, const char* name, const QString& text, QRect box,
              unsigned anchors, Qt::Alignment alignment = Qt::AlignLeft);
// A live slider from minimum to maximum with line step 1.
QSlider* slider(AnchoredPanel& panel, const char* name, QRect box, int minimum, int maximum,
                int value, int pageStep);
// A live scroll bar with range 0 to 0, line step 1 and page step 20.
QScrollBar* scrollBar(AnchoredPanel& panel, const char* name, Qt::Orientation orientation,
                      QRect box, unsigned anchors);
UpDownArrows* arrows(AnchoredPanel& panel, const char* name, QRect box);
// Ticked.
QCheckBox* checkBox(AnchoredPanel& panel, const char* name, const QString& text, QRect box);
// The first item selected.
QComboBox* popup(AnchoredPanel& panel, const char* name, const QStringList& items, QRect box,
                 unsigned anchors);
// Bordered, without a length limit.
QLineEdit* textField(AnchoredPanel& panel, const char* name, const QString& text, QRect box);

} // namespace GraphControls
} // namespace morvane
