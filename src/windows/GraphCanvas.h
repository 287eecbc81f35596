#pragma once

#include <QWidget>
#include <functional>

namespace morvane {

class Graphics;

// The canvas `ausgabe` of the graph windows: erases its background, then lets its window paint
// the rendered picture onto it through the drawing surface (pixels of the canvas, origin top
// left). Reports mouse presses and movements, with or without a button held, in canvas pixels.
// Takes no keyboard focus.
class GraphCanvas : public QWidget {
    Q_OBJECT

public:
    using Painter = std::function<void(Graphics& g)>;

    explicit GraphCanvas(QWidget* parent = nullptr);

    void setPainter(Painter painter) { m_painter = std::move(painter); }

signals:
    void MouseMove(int x, int y);
    void MouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Painter m_painter;
};

} // namespace morvane
