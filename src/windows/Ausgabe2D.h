#pragma once

#include "draw/DiagramServices.h"
#include "ternary/Daten2D.h"
#include "ternary/TriangleGeometry.h"
#include "windows/GraphWindow.h"

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;

namespace morvane {

// "Grafische Darstellung in 2D": one face of the tetrahedron as a triangle diagram of one data
// set, with the face chosen from a pop-up menu, zoomed 50 to 300 %, grid, border, labels and
// points switched on or off, and a chosen circle size. It owns its model (`data`), renders it at
// the canvas size times the zoom into `bild` (again whenever the window comes to the front, so
// that colours changed elsewhere show) and shows that picture scrolled in the canvas; a click on
// a point gives it the selected colour. The content area is at most 1000 pixels wide.
class Ausgabe2D : public GraphWindow {
    Q_OBJECT

public:
    static inline const QString title = "Grafische Darstellung in 2D";

    // The window with its model drawing through `services`; hidden, and nothing is drawn until
    // the model has a data set and update() runs.
    explicit Ausgabe2D(DiagramServices services, QWidget* parent = nullptr);
    ~Ausgabe2D() override;

    // The opening protocol of the data window: creates the window, hands its model the data set
    // (shared, not copied), runs newdata and update, and shows it.
    static Ausgabe2D* open(std::shared_ptr<Dataset> data, DiagramServices services);

    Daten2D* data() const { return m_data.get(); }

    // The face choice into the model, then renders bild at the zoomed canvas size, shows the
    // zoom text, sets the scroll ranges and shows the picture.
    void update() override;
    // Replaces the face choices by "a - b - c", "b - c - d", "a - c - d", "a - b - d" of the data
    // set's names and selects the first.
    void newdata();

    datarow* Punktobject(int x, int y) override;

protected:
    void changeEvent(QEvent* event) override;

    Dataset* dataset() const override;
    void setKreisdicke(std::int32_t kreisdicke) override;
    void recoloured() override;
    bool hasGraphic() const override { return m_bild != nullptr; }

private:
    // What the hit test needs of the drawing shown in the canvas.
    struct ShownFace {
        ternary::TriangleLayout layout;
        std::int32_t face = 0;
        std::int32_t kreisdicke = 0;
    };

    void buildControls();
    void connectControls();

    std::unique_ptr<Daten2D> m_data; // made with the window, never none
    std::optional<ShownFace> m_shown;

    QComboBox* m_PopupProjektion = nullptr;
    QCheckBox* m_Checkraster = nullptr;
    QCheckBox* m_CheckText = nullptr;
    QCheckBox* m_CheckRand = nullptr;
    QCheckBox* m_CheckData = nullptr;
};

} // namespace morvane
