#include "windows/ColorChooser.h"

#include "draw/qt/QtGraphics.h"
#include "windows/Farbbutton.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace morvane {

ColorChooser::ColorChooser(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void ColorChooser::setFarbe(Color color) {
    m_farbe = color;
    QWidget::update();
}

void ColorChooser::draw(Graphics& g) const {
    const int w = g.Width();
    const int h = g.Height();
    g.setForeColor(m_farbe);
    g.FillRect(1, 1, w - 2, h - 2);
    g.setForeColor(inverseColor(m_farbe));
    g.DrawRect(0, 0, w - 1, h - 1);
}

void ColorChooser::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtGraphics g(painter, width(), height());
    draw(g);
}

void ColorChooser::mousePressEvent(QMouseEvent* event) {
    // Accepting the press is what brings the release here.
    event->accept();
    const QPoint at = event->position().toPoint();
    emit MouseDown(at.x(), at.y());
}

void ColorChooser::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // On the heap, owned by this control: should the control go with its window while the
    // picker is up, it takes the picker along, and exec() returns without touching it again.
    const QPointer<QColorDialog> picker =
        new QColorDialog(QColor(m_farbe.red(), m_farbe.green(), m_farbe.blue()), this);
    picker->setObjectName("ColorPicker");
    picker->setWindowTitle(prompt);
    const QPointer<ColorChooser> alive(this);
    const bool confirmed = picker->exec() == QDialog::Accepted;
    if (!alive) {
        return;
    }
    const QColor chosen = picker->selectedColor();
    delete picker.data();
    if (confirmed) {
        m_farbe = RGB(chosen.red(), chosen.green(), chosen.blue());
        repaint();
        emit Changed();
    }
    emit MouseUp();
}

} // namespace morvane
