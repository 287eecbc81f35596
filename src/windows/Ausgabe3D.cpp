#include "windows/Ausgabe3D.h"

#include "base/Mathe.h"
#include "tetra/Pixels.h"
#include "windows/ColorChooser.h"
#include "windows/GraphCanvas.h"
#include "windows/UpDownArrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <cmath>

namespace morvane {
namespace {

struct Preset {
    std::int32_t winkel1;
    std::int32_t winkel2;
    std::int32_t winkel3;
};
// "Pos 0" to "Pos 4".
constexpr std::array<Preset, 5> presets{
    {{0, 0, 0}, {55, 315, 0}, {73, 345, 34}, {73, 15, 56}, {55, 45, 90}}};

QString degrees(double angle) {
    return QString::number(angle) + QString::fromUtf8("°");
}

} // namespace

Ausgabe3D::Ausgabe3D(DiagramServices services, QWidget* parent)
    : GraphWindow({title, {802, 547}, {500, 300}, {32000, 32000}}, parent),
      m_data(std::make_unique<Daten3D>(std::move(services))) {
    buildControls();
    connectControls();
}

Ausgabe3D::~Ausgabe3D() = default;

Ausgabe3D* Ausgabe3D::open(std::shared_ptr<Dataset> data, DiagramServices services) {
    auto* window = new Ausgabe3D(std::move(services));
    window->data()->data = std::move(data);
    window->newdata();
    window->update();
    window->show();
    return window;
}

void Ausgabe3D::connectControls() {
    for (int axis = 0; axis < 3; ++axis) {
        const auto index = static_cast<std::size_t>(axis);
        connect(m_sliders[index], &QSlider::valueChanged, this,
                [this, axis] { Slider_ValueChanged(axis); });
        connect(m_littleWinkel[index], &UpDownArrows::Up, this,
                [this, axis] { LittleWinkel_Step(axis, 1); });
        connect(m_littleWinkel[index], &UpDownArrows::Down, this,
                [this, axis] { LittleWinkel_Step(axis, -1); });
    }
    connect(m_popupansicht, &QComboBox::currentIndexChanged, this, &Ausgabe3D::popupansicht_Change);
    connect(m_PopupProjektion, &QComboBox::currentIndexChanged, this, [this] { update(); });
    const std::array<std::pair<QCheckBox*, bool Daten3D::*>, 3> switches{
        {{m_CheckData, &Daten3D::showdata},
         {m_CheckLinie, &Daten3D::showline},
         {m_CheckText, &Daten3D::showtext}}};
    for (const auto& [box, flag] : switches) {
        connect(box, &QCheckBox::toggled, this, [this, flag](bool on) {
            m_data.get()->*flag = on;
            update();
        });
    }
    connect(m_Farbe, &ColorChooser::Changed, this, &Ausgabe3D::Farbe_Changed);
}

double& Ausgabe3D::winkel(int axis) const {
    switch (axis) {
    case 0:
        return m_data->winkel1;
    case 1:
        return m_data->winkel2;
    default:
        return m_data->winkel3;
    }
}

Dataset* Ausgabe3D::dataset() const {
    return m_data->data.get();
}

void Ausgabe3D::newdata() {
    const Dataset* set = dataset();
    if (!set) {
        return;
    }
    m_PopupProjektion->addItems(faceNames(*set));
    m_PopupProjektion->setCurrentIndex(0);
}

void Ausgabe3D::update() {
    for (std::size_t axis = 0; axis < 3; ++axis) {
        m_winkelLabels[axis]->setText(degrees(winkel(static_cast<int>(axis))));
    }
    for (std::size_t axis = 0; axis < 3; ++axis) {
        m_sliders[axis]->setValue(static_cast<int>(winkel(static_cast<int>(axis))));
    }
    m_data->which = m_PopupProjektion->currentIndex();
    controls().faktorText->setText(QString::number(m_faktor) + "%");
    updategraph();
}

void Ausgabe3D::updategraph() {
    const QSize size = zoomedSize();
    m_bild = m_data->makepicture(size.width(), size.height(), std::move(m_bild));
    if (m_bild) {
        m_shown = ShownView{m_data->CenterX, m_data->CenterY, m_data->ScaleFactor, m_data->mm};
    } else {
        m_shown.reset();
    }
    repaintCanvas();
    adjustscrollbars();
}

void Ausgabe3D::Slider_ValueChanged(int axis) {
    const auto index = static_cast<std::size_t>(axis);
    const int value = m_sliders[index]->value();
    double& angle = winkel(axis);
    if (value != angle) {
        angle = value;
        m_winkelLabels[index]->setText(degrees(value));
        renderAfterAngleChange();
    }
    if (!m_selectingposition) {
        m_popupansicht->setCurrentIndex(-1);
    }
}

void Ausgabe3D::renderAfterAngleChange() {
    if (m_movingView) {
        m_renderPending = true;
    } else {
        updategraph();
    }
}

void Ausgabe3D::LittleWinkel_Step(int axis, int step) {
    int angle = static_cast<int>(winkel(axis));
    movewinkel(angle, step);
    winkel(axis) = angle;
    update();
}

void Ausgabe3D::movewinkel(int& angle, int step) {
    angle += step;
    if (angle < 0) {
        angle += 360;
    } else if (angle >= 360) {
        angle -= 360;
    }
}

double Ausgabe3D::winkel360(double x) {
    if (x < 0) {
        return x + 360;
    }
    if (x > 359) {
        return x - 360;
    }
    return x;
}

void Ausgabe3D::moveview(double x, double y, double z) {
    // Half angles: the step turns about the axes of a view halfway to the current one.
    const double alpha = m_sliders[0]->value() * Mathe::pi / 360;
    const double beta = m_sliders[1]->value() * Mathe::pi / 360;
    const double gamma = m_sliders[2]->value() * Mathe::pi / 360;
    const double sa = std::sin(alpha), ca = std::cos(alpha);
    const double sb = std::sin(beta), cb = std::cos(beta);
    const double sc = std::sin(gamma), cc = std::cos(gamma);
    const double d1 = cb * cc * x + cb * sc * y + -sb * z;
    const double d2 = (sa * sb * cc - ca * sc) * x + (sa * sb * sc + ca * cc) * y + sa * cb * z;
    const double d3 = (ca * sb * cc + sa * sc) * x + (ca * sb * sc - sa * cc) * y + ca * cb * z;
    const std::array<double, 3> steps{d1, d2, d3};

    // The three sliders move one after the other; the picture is rendered once for all.
    m_movingView = true;
    m_renderPending = false;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        QSlider* slider = m_sliders[axis];
        slider->setValue(static_cast<int>(winkel360(slider->value() + 5 * steps[axis])));
    }
    m_movingView = false;
    if (m_renderPending) {
        m_renderPending = false;
        updategraph();
    }
}

void Ausgabe3D::popupansicht_Change() {
    if (m_selectingposition) {
        return;
    }
    const int index = m_popupansicht->currentIndex();
    if (index < 0 || index >= static_cast<int>(presets.size())) {
        return; // no preset chosen: the angles stay, and so does the picture
    }
    m_selectingposition = true;
    const Preset& preset = presets[static_cast<std::size_t>(index)];
    m_data->WinkelPosition(preset.winkel1, preset.winkel2, preset.winkel3);
    update();
    m_selectingposition = false;
}

void Ausgabe3D::Farbe_Changed() {
    m_data->projektionsfarbe = m_Farbe->farbe();
    updategraph();
}

void Ausgabe3D::setKreisdicke(std::int32_t kreisdicke) {
    m_data->kreisdicke = kreisdicke;
}

void Ausgabe3D::recoloured() {
    updategraph();
}

datarow* Ausgabe3D::Punktobject(int x, int y) {
    Dataset* set = dataset();
    if (!set || !m_shown) {
        return nullptr;
    }
    // Positions come from the rows' normalised values and the rotation and frame of the picture
    // shown, computed as the drawing computes them; the rows' own x, y, z and their order may
    // have been rewritten since by a drawing of another window or at another size. Of the points
    // under the mouse, the nearest one (drawn last) is named; at equal depth the later row.
    const ShownView& view = *m_shown;
    const RotationMatrix& mm = view.mm;
    const QPoint at = picturePosition(x, y);
    datarow* found = nullptr;
    double foundDepth = 0;
    for (std::int32_t i = 1; i <= set->anzahl(); ++i) {
        datarow& row = set->row(i);
        const double px = (row.RelB + row.RelC) - (row.RelA + row.RelD);
        const double py = (row.RelA + row.RelC) - (row.RelB + row.RelD);
        const double pz = (row.RelA + row.RelB) - (row.RelC + row.RelD);
        const double rx = px * mm(1, 1) + py * mm(2, 1) + pz * mm(3, 1);
        const double depth = px * mm(1, 2) + py * mm(2, 2) + pz * mm(3, 2);
        const double rz = px * mm(1, 3) + py * mm(2, 3) + pz * mm(3, 3);
        int sx = 0;
        int sy = 0;
        if (!tetra::toPixel(view.CenterX + rx * view.ScaleFactor, sx) ||
            !tetra::toPixel(view.CenterY + rz * view.ScaleFactor, sy)) {
            continue;
        }
        if (withinTolerance(sx, sy, at.x(), at.y()) && (!found || depth >= foundDepth)) {
            found = &row;
            foundDepth = depth;
        }
    }
    return found;
}

void Ausgabe3D::keyPressEvent(QKeyEvent* event) {
    if (controls().Kreisdicke->hasFocus() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
        moveview(0, -1, 0);
        return;
    case Qt::Key_Down:
        moveview(0, 1, 0);
        return;
    case Qt::Key_Left:
        moveview(1, 0, 0);
        return;
    case Qt::Key_Right:
        moveview(-1, 0, 0);
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text == ":" || text == ".") {
        moveview(0, 0, -1);
    } else if (text == "," || text == ";") {
        moveview(0, 0, 1);
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

} // namespace morvane
