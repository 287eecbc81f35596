#include "windows/UpDownArrows.h"

#include <QToolButton>

namespace morvane {
namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    return button;
}

} // namespace

UpDownArrows::UpDownArrows(QWidget* parent)
    : QWidget(parent), m_up(arrowButton(this, Qt::UpArrow, "Up")),
      m_down(arrowButton(this, Qt::DownArrow, "Down")) {
    setFocusPolicy(Qt::NoFocus);
    connect(m_up, &QToolButton::clicked, this, &UpDownArrows::Up);
    connect(m_down, &QToolButton::clicked, this, &UpDownArrows::Down);
}

void UpDownArrows::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

} // namespace morvane
