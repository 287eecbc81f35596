#include "windows/AnchoredPanel.h"

#include <QResizeEvent>
#include <algorithm>

namespace morvane {

AnchoredPanel::AnchoredPanel(QSize designSize, QWidget* parent)
    : QWidget(parent), m_designSize(designSize), m_laidOutSize(designSize) {}

void AnchoredPanel::place(QWidget* control, QRect box, unsigned anchors) {
    m_placements.push_back({control, box, anchors});
    control->setGeometry(boxFor(box, anchors, m_laidOutSize));
}

QRect AnchoredPanel::boxFor(QRect designBox, unsigned anchors, QSize size) const {
    const int grownX = size.width() - m_designSize.width();
    const int grownY = size.height() - m_designSize.height();
    QRect box = designBox;
    if ((anchors & Anchor::Right) != 0) {
        if ((anchors & Anchor::Left) != 0) {
            box.setWidth(std::max(0, designBox.width() + grownX));
        } else {
            box.moveLeft(designBox.left() + grownX);
        }
    }
    if ((anchors & Anchor::Bottom) != 0) {
        if ((anchors & Anchor::Top) != 0) {
            box.setHeight(std::max(0, designBox.height() + grownY));
        } else {
            box.moveTop(designBox.top() + grownY);
        }
    }
    return box;
}

void AnchoredPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (size() == m_laidOutSize) {
        return;
    }
    m_laidOutSize = size();
    for (const Placement& placement : m_placements) {
        placement.control->setGeometry(boxFor(placement.box, placement.anchors, m_laidOutSize));
    }
    if (m_resized) {
        m_resized();
    }
}

} // namespace morvane
