#pragma once

#include "data/Dataset.h"
#include "draw/Picture.h"
#include "windows/MenuHandlers.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QScrollBar;
class QSlider;

namespace morvane {

class AnchoredPanel;
class Farbbutton;
class GraphCanvas;
class Graphics;
class UpDownArrows;

// What the 3D and the 2D graph window share: the rendered picture `bild` in the scrollable
// canvas `ausgabe`, the zoom slider and arrows, the circle size field, the name of the point
// under the mouse, the row of 16 colour buttons and recolouring a clicked point.
//
// Pixels everywhere; canvas positions have their origin at the canvas's top left, picture
// positions at the picture's top left (canvas position + scroll values). The window lays its
// controls out in fixed boxes of its content area (below its menu bar where it has one), and
// deletes itself when closed.
class GraphWindow : public QMainWindow, public MenuHandlers {
    Q_OBJECT

public:
    static constexpr int colourCount = 16;
    // A point is under the mouse when it is strictly less than this many pixels away on each
    // axis (a 9 x 9 square).
    static constexpr int hitTolerance = 5;

    ~GraphWindow() override;

    // QWidget's repaint requests stay reachable beside the windows' own update().
    using QMainWindow::update;
    // Takes the controls' state into the model, renders the picture and shows it.
    virtual void update() = 0;
    // The row whose point lies under canvas position (x, y) in the picture shown; none when no
    // point is there. The row is one of the shared data set's, valid until its rows change.
    virtual datarow* Punktobject(int x, int y) = 0;

    // Paints bild at the negative scroll values and fills the rest of g light grey; "Out of
    // memory!" in black at (20, 20) when there is no picture. Does nothing while `working`.
    void redraw(Graphics& g);
    // Scroll maxima max(0, picture - canvas), page steps the canvas size; with the Alt (Option)
    // key held, both scroll values go to the middle of their range.
    void adjustscrollbars();
    // Two rows of eight colour buttons at the top left, each 20 high and as wide as an eighth
    // of the reference label's left edge, but at least 1 pixel.
    void movefarben();
    // Makes the button `index` the selected one.
    void Farben_MouseDown(int index);
    // Shows or hides all colour buttons; while they are hidden, clicks recolour nothing.
    void _ViewFarbpalette_Action();
    // Names the sample under the mouse in punktname (empty when none).
    void ausgabe_MouseMove(int x, int y);
    // While the colour buttons are shown: gives the point under the mouse the selected colour
    // and marks the data set changed (2), or beeps when there is no point.
    void ausgabe_MouseDown(int x, int y);

    void enableMenuItems(MenuItems& items) override;

    // The picture shown; none before the first render or when none could be made.
    const Picture* bild() const { return m_bild.get(); }
    int faktor() const { return m_faktor; }
    int selected() const { return m_selected; }
    bool farbenvisible() const { return m_farbenvisible; }
    GraphCanvas* ausgabe() const { return m_controls.ausgabe; }
    Farbbutton* Farben(int index) const;
    QWidget* content() const;

    // Whether a point at (sx, sy) is under picture position (px, py).
    static bool withinTolerance(int sx, int sy, int px, int py);

protected:
    struct Frame {
        QString title;
        QSize size;    // of the content area, as laid out
        QSize minimum; // of the content area
        QSize maximum;
    };
    // The controls both windows have; the window's layout code makes them.
    struct SharedControls {
        GraphCanvas* ausgabe = nullptr;
        QScrollBar* ScrollBarX = nullptr;
        QScrollBar* ScrollBarY = nullptr;
        QSlider* FaktorSlider = nullptr;
        UpDownArrows* LittleArrows1 = nullptr;
        QLabel* faktorText = nullptr; // "100%"
        QLineEdit* Kreisdicke = nullptr;
        QLabel* punktname = nullptr;
        QLabel* colourReference = nullptr; // the label whose left edge sizes the colour buttons
    };

    explicit GraphWindow(const Frame& frame, QWidget* parent = nullptr);

    AnchoredPanel& panel() const { return *m_panel; }
    // Connects the shared controls and makes the 16 colour buttons (button 0 selected).
    void attachSharedControls(const SharedControls& controls);
    const SharedControls& controls() const { return m_controls; }

    // The data set of the model; none before the opener has handed one over.
    virtual Dataset* dataset() const = 0;
    virtual void setKreisdicke(std::int32_t kreisdicke) = 0;
    // A click gave a row its new colour: show it.
    virtual void recoloured() = 0;
    // The content area has a new size and the controls have followed it: renders the picture
    // for the new canvas size and lays the colour buttons out again.
    virtual void Event_Resized();
    // Whether the picture output items apply (they are served from a later version on; for
    // now only the caption of "Save" follows).
    virtual bool hasGraphic() const = 0;

    // The four faces of the set's components, in the order of both windows' face pop-ups:
    // "a - b - c", "b - c - d", "a - c - d", "a - b - d".
    static QStringList faceNames(const Dataset& set);
    // The picture size for the canvas at the current zoom: canvas size x faktor div 100.
    QSize zoomedSize() const;
    // The canvas shows bild again (after painting, not at once).
    void repaintCanvas();
    // The position in the picture of canvas position (x, y).
    QPoint picturePosition(int x, int y) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Picture> m_bild;
    int m_faktor = 100;

private:
    void makeColourButtons();
    void FaktorSlider_ValueChanged(int value);
    void Kreisdicke_Return();

    AnchoredPanel* m_panel;
    SharedControls m_controls;
    std::array<Farbbutton*, colourCount> m_farben{};
    bool m_working = false;
    int m_selected = 0;
    bool m_farbenvisible = false;
};

} // namespace morvane
