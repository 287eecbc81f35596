#pragma once

#include "draw/Color.h"

#include <QWidget>

namespace morvane {

class Graphics;

// A colour well: shows its colour `farbe` inside a frame of the inverse colour; a click opens
// the colour picker (QColorDialog, modal, object name "ColorPicker", titled with `prompt`) on
// that colour. Confirming stores the chosen colour, repaints at once and raises Changed;
// cancelling keeps the colour. Every release raises MouseUp last, after the picker has closed.
class ColorChooser : public QWidget {
    Q_OBJECT

public:
    static inline const QString prompt = QString::fromUtf8("Neue Farbe für Projektion:");

    explicit ColorChooser(QWidget* parent = nullptr);

    Color farbe() const { return m_farbe; }
    // Sets the colour without raising Changed; repaints later.
    void setFarbe(Color color);

    // Fills (1, 1, w - 2, h - 2) of g with farbe and frames (0, 0, w - 1, h - 1) in the inverse
    // colour; w, h are g's Width and Height.
    void draw(Graphics& g) const;

signals:
    // The user confirmed a colour in the picker.
    void Changed();
    // A mouse release on the control, once the picker is closed.
    void MouseUp();
    // A mouse press at x, y (pixels of the control).
    void MouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Color m_farbe;
};

} // namespace morvane
