#include "windows/GraphCanvas.h"

#include "draw/qt/QtGraphics.h"

#include <QMouseEvent>
#include <QPainter>

namespace morvane {

GraphCanvas::GraphCanvas(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette blank = palette();
    blank.setColor(QPalette::Window, Qt::white);
    setPalette(blank);
}

void GraphCanvas::paintEvent(QPaintEvent*) {
    if (!m_painter) {
        return;
    }
    QPainter painter(this);
    QtGraphics g(painter, width(), height());
    m_painter(g);
}

void GraphCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMove(at.x(), at.y());
}

void GraphCanvas::mousePressEvent(QMouseEvent* event) {
    // A press starts nothing beyond the window's reaction: no drag, no rotation.
    event->accept();
    const QPoint at = event->position().toPoint();
    emit MouseDown(at.x(), at.y());
}

} // namespace morvane
