#include "windows/Farbbutton.h"

#include "draw/qt/QtGraphics.h"

#include <QMouseEvent>
#include <QPainter>

namespace morvane {

Color inverseColor(Color color) {
    return RGB(255 - color.red(), 255 - color.green(), 255 - color.blue());
}

Farbbutton::Farbbutton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    // The swatch covers every pixel; nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Farbbutton::setC(Color color) {
    m_c = color;
}

void Farbbutton::redraw() {
    QWidget::update();
}

void Farbbutton::draw(Graphics& g) const {
    const int w = g.Width();
    const int h = g.Height();
    g.setForeColor(m_c);
    g.FillRect(0, 0, w, h);
    if (m_selected) {
        g.setPenWidth(2);
        g.setPenHeight(2);
        g.setForeColor(inverseColor(m_c));
        g.DrawLine(0, 0, w - 2, h - 2);
        g.DrawLine(w - 2, 0, 0, h - 2);
    }
}

void Farbbutton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtGraphics g(painter, width(), height());
    draw(g);
}

void Farbbutton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    emit MouseDown(at.x(), at.y());
}

} // namespace morvane
