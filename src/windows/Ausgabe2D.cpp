#include "windows/Ausgabe2D.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>

namespace morvane {

Ausgabe2D::Ausgabe2D(DiagramServices services, QWidget* parent)
    : GraphWindow({title, {790, 510}, {400, 350}, {1000, 32000}}, parent),
      m_data(std::make_unique<Daten2D>(std::move(services))) {
    buildControls();
    connectControls();
}

Ausgabe2D::~Ausgabe2D() = default;

Ausgabe2D* Ausgabe2D::open(std::shared_ptr<Dataset> data, DiagramServices services) {
    auto* window = new Ausgabe2D(std::move(services));
    window->data()->data = std::move(data);
    window->newdata();
    window->update();
    window->show();
    return window;
}

void Ausgabe2D::connectControls() {
    connect(m_PopupProjektion, &QComboBox::currentIndexChanged, this, [this] { update(); });
    const std::array<std::pair<QCheckBox*, bool Daten2D::*>, 4> switches{
        {{m_Checkraster, &Daten2D::showraster},
         {m_CheckRand, &Daten2D::showrand},
         {m_CheckText, &Daten2D::showtext},
         {m_CheckData, &Daten2D::showdata}}};
    for (const auto& [box, flag] : switches) {
        connect(box, &QCheckBox::toggled, this, [this, flag](bool on) {
            m_data.get()->*flag = on;
            update();
        });
    }
}

Dataset* Ausgabe2D::dataset() const {
    return m_data->data.get();
}

void Ausgabe2D::newdata() {
    const Dataset* set = dataset();
    if (!set) {
        return;
    }
    // Replacing the items announces no face of its own; the opener renders next.
    const QSignalBlocker quiet(m_PopupProjektion);
    m_PopupProjektion->clear();
    m_PopupProjektion->addItems(faceNames(*set));
    m_PopupProjektion->setCurrentIndex(0);
}

void Ausgabe2D::update() {
    m_data->which = m_PopupProjektion->currentIndex();
    const QSize size = zoomedSize();
    m_bild = m_data->makepicture(size.width(), size.height(), std::move(m_bild));
    if (m_bild) {
        m_shown = ShownFace{ternary::triangleLayout(m_bild->Width(), m_bild->Height()),
                            m_data->which, m_data->kreisdicke};
    } else {
        m_shown.reset();
    }
    controls().faktorText->setText(QString::number(m_faktor) + "%");
    adjustscrollbars();
    repaintCanvas();
}

void Ausgabe2D::setKreisdicke(std::int32_t kreisdicke) {
    m_data->kreisdicke = kreisdicke;
}

void Ausgabe2D::recoloured() {
    update();
}

void Ausgabe2D::changeEvent(QEvent* event) {
    GraphWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        update(); // colours may have changed in another window meanwhile
    }
}

datarow* Ausgabe2D::Punktobject(int x, int y) {
    Dataset* set = dataset();
    if (!set || !m_shown) {
        return nullptr;
    }
    // Positions come from the rows' values and the layout, face and circle size of the picture
    // shown, computed as the drawing computes what it stores in PunktX and PunktY; the stored
    // fields may have been rewritten since by another window's drawing (a 3D face projection,
    // this diagram at another size). Rows the picture could not place are never hit.
    const QPoint at = picturePosition(x, y);
    datarow* found = nullptr;
    for (std::int32_t i = 1; i <= set->anzahl(); ++i) {
        datarow& row = set->row(i);
        const ternary::FacePoint point = ternary::facePoint(row, m_shown->face, m_shown->layout);
        if (!point.placeable) {
            continue;
        }
        const std::optional<ternary::DotBoxes> boxes =
            ternary::dotBoxes(point.px, point.py, m_shown->kreisdicke);
        const std::optional<int> sy = ternary::wholePixel(point.py);
        if (boxes && sy && withinTolerance(boxes->punktX, *sy, at.x(), at.y())) {
            found = &row;
        }
    }
    return found;
}

} // namespace morvane
