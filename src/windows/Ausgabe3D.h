#pragma once

#include "draw/DiagramServices.h"
#include "tetra/Daten3D.h"
#include "windows/GraphWindow.h"

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;

namespace morvane {

class ColorChooser;

// "Grafische Darstellung in 3D": the tetrahedron diagram of one data set, turned by three angles
// (sliders, arrows, the arrow keys and , . ; : keys, five view presets), zoomed 50 to 300 %,
// with a face projection in a chosen colour, points, edges and labels switched on or off, and a
// chosen circle size. It owns its model (`data`), renders it at the canvas size times the zoom
// into `bild` and shows that picture scrolled in the canvas; a click on a point gives it the
// selected colour. Angles are whole degrees 0 to 359.
//
// Rendering runs on the UI thread; only a render (updategraph) draws the model, painting and
// scrolling copy bild.
class Ausgabe3D : public GraphWindow {
    Q_OBJECT

public:
    static inline const QString title = "Grafische Darstellung in 3D";

    // The window with its model drawing through `services`; hidden, and nothing is drawn until
    // the model has a data set and update() runs.
    explicit Ausgabe3D(DiagramServices services, QWidget* parent = nullptr);
    ~Ausgabe3D() override;

    // The opening protocol of the data window: creates the window, hands its model the data set
    // (shared, not copied), runs newdata and update, and shows it.
    static Ausgabe3D* open(std::shared_ptr<Dataset> data, DiagramServices services);

    Daten3D* data() const { return m_data.get(); }

    // Angles into labels and sliders, the projection choice into the model, the zoom text,
    // then updategraph.
    void update() override;
    // Renders bild at the zoomed canvas size and shows it with new scroll ranges.
    void updategraph();
    // Adds the four face projections "a - b - c", "b - c - d", "a - c - d", "a - b - d" after
    // "keine" and selects "keine".
    void newdata();
    // Turns the view by one key step: (x, y, z) has one component 1 or -1 (see the key table).
    void moveview(double x, double y, double z);
    // Applies the selected view preset; no selection changes nothing.
    void popupansicht_Change();

    // angle + step, brought back once into 0 to 359.
    static void movewinkel(int& angle, int step);
    // x + 360 below 0, x - 360 above 359, otherwise x (one correction only).
    static double winkel360(double x);

    datarow* Punktobject(int x, int y) override;
    bool selectingposition() const { return m_selectingposition; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

    Dataset* dataset() const override;
    void setKreisdicke(std::int32_t kreisdicke) override;
    void recoloured() override;
    // The model exists from the start.
    bool hasGraphic() const override { return true; }

private:
    // What the hit test needs of the drawing shown in the canvas: its frame and rotation.
    struct ShownView {
        double CenterX = 0;
        double CenterY = 0;
        double ScaleFactor = 0;
        RotationMatrix mm;
    };

    void buildControls();
    void connectControls();
    double& winkel(int axis) const;
    void Slider_ValueChanged(int axis);
    void LittleWinkel_Step(int axis, int step);
    void Farbe_Changed();
    // Renders now, or once at the end of moveview when several sliders move together.
    void renderAfterAngleChange();

    std::unique_ptr<Daten3D> m_data; // made with the window, never none
    std::optional<ShownView> m_shown;
    bool m_selectingposition = false;
    bool m_movingView = false;
    bool m_renderPending = false;

    std::array<QSlider*, 3> m_sliders{};
    std::array<QLabel*, 3> m_winkelLabels{};
    std::array<UpDownArrows*, 3> m_littleWinkel{};
    QComboBox* m_popupansicht = nullptr;
    QComboBox* m_PopupProjektion = nullptr;
    ColorChooser* m_Farbe = nullptr;
    QCheckBox* m_CheckData = nullptr;
    QCheckBox* m_CheckLinie = nullptr;
    QCheckBox* m_CheckText = nullptr;
};

} // namespace morvane
