#pragma once

#include "draw/Color.h"

#include <QWidget>

namespace morvane {

class Graphics;

// A colour swatch button of the graph windows' colour row: filled with its colour `c`, and
// crossed in the inverse colour while it is the selected one. Painted through the drawing
// surface, so its pixels follow the same rules as the pictures. Takes no keyboard focus.
class Farbbutton : public QWidget {
    Q_OBJECT

public:
    explicit Farbbutton(QWidget* parent = nullptr);

    Color c() const { return m_c; }
    void setC(Color color);
    bool selected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }

    // Requests a repaint of the whole button.
    void redraw();
    // Fills g's whole area (its Width x Height) with c; when selected, draws the cross from
    // (0, 0) to (w - 2, h - 2) and from (w - 2, 0) to (0, h - 2) with a 2 x 2 pen in
    // RGB(255 - red, 255 - green, 255 - blue).
    void draw(Graphics& g) const;

signals:
    // A mouse press at x, y (pixels of the button).
    void MouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Color m_c;
    bool m_selected = false;
};

// RGB(255 - red, 255 - green, 255 - blue).
Color inverseColor(Color color);

} // namespace morvane
