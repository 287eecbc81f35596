#include "windows/GraphWindow.h"

#include "data/NumberText.h"
#include "draw/Grafik.h"
#include "draw/Graphics.h"
#include "windows/AnchoredPanel.h"
#include "windows/Farbbutton.h"
#include "windows/GraphCanvas.h"
#include "windows/MenuHost.h"
#include "windows/SystemBeep.h"
#include "windows/UpDownArrows.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <algorithm>
#include <cstdlib>

namespace morvane {
namespace {

constexpr Color marginGrey = RGB(240, 240, 240);
constexpr int colourButtonHeight = 20;
constexpr int colourButtonsPerRow = 8;

} // namespace

GraphWindow::GraphWindow(const Frame& frame, QWidget* parent)
    : QMainWindow(parent), m_panel(new AnchoredPanel(frame.size, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(frame.title);
    m_panel->setObjectName("content");
    m_panel->setMinimumSize(frame.minimum);
    m_panel->setMaximumSize(frame.maximum);
    // Keys reach the window unless the circle size field has the focus; a click on the canvas
    // or on free space takes the focus from the field.
    m_panel->setFocusPolicy(Qt::ClickFocus);
    setCentralWidget(m_panel);
    m_panel->setFocus();

    MenuHost::attachTo(*this);
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    resize(frame.size + QSize(0, menuHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    m_panel->setResizedHandler([this] { Event_Resized(); });
}

GraphWindow::~GraphWindow() = default;

QWidget* GraphWindow::content() const {
    return m_panel;
}

Farbbutton* GraphWindow::Farben(int index) const {
    return index >= 0 && index < colourCount ? m_farben[static_cast<std::size_t>(index)] : nullptr;
}

void GraphWindow::attachSharedControls(const SharedControls& controls) {
    m_controls = controls;
    m_controls.ausgabe->setPainter([this](Graphics& g) { redraw(g); });
    connect(m_controls.ausgabe, &GraphCanvas::MouseMove, this, &GraphWindow::ausgabe_MouseMove);
    connect(m_controls.ausgabe, &GraphCanvas::MouseDown, this, &GraphWindow::ausgabe_MouseDown);
    for (QScrollBar* bar : {m_controls.ScrollBarX, m_controls.ScrollBarY}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (!m_working) {
                repaintCanvas();
            }
        });
    }
    connect(m_controls.FaktorSlider, &QSlider::valueChanged, this,
            &GraphWindow::FaktorSlider_ValueChanged);
    connect(m_controls.LittleArrows1, &UpDownArrows::Up, this,
            [this] { m_controls.FaktorSlider->setValue(m_controls.FaktorSlider->value() + 1); });
    connect(m_controls.LittleArrows1, &UpDownArrows::Down, this,
            [this] { m_controls.FaktorSlider->setValue(m_controls.FaktorSlider->value() - 1); });
    m_controls.Kreisdicke->installEventFilter(this);

    makeColourButtons();
    movefarben();
    m_farbenvisible = true;

    addMenuHandler("FileClose", [this] {
        close();
        return true;
    });
    addMenuHandler("ViewFarbpalette", [this] {
        _ViewFarbpalette_Action();
        return true;
    });
}

void GraphWindow::makeColourButtons() {
    for (int i = 0; i < colourCount; ++i) {
        auto* button = new Farbbutton(m_panel);
        button->setObjectName("Farben");
        button->setProperty("index", i);
        // Button 0 keeps the layout colour, black, which is also colour 0.
        button->setC(i == 0 ? Color{} : Grafik::GetFarbe(i));
        button->setGeometry(0, i < colourButtonsPerRow ? 0 : colourButtonHeight, 20,
                            colourButtonHeight);
        connect(button, &Farbbutton::MouseDown, this, [this, i] { Farben_MouseDown(i); });
        m_farben[static_cast<std::size_t>(i)] = button;
    }
    m_selected = 0;
    m_farben[0]->setSelected(true);
}

void GraphWindow::movefarben() {
    // Narrow windows would give no width at all; a sliver keeps every button there.
    const int w = std::max(1, m_controls.colourReference->x() / colourButtonsPerRow);
    for (int i = 0; i < colourCount; ++i) {
        m_farben[static_cast<std::size_t>(i)]->setGeometry(
            w * (i % colourButtonsPerRow), colourButtonHeight * (i / colourButtonsPerRow), w,
            colourButtonHeight);
    }
}

void GraphWindow::Farben_MouseDown(int index) {
    if (index < 0 || index >= colourCount) {
        return;
    }
    m_farben[static_cast<std::size_t>(m_selected)]->setSelected(false);
    m_farben[static_cast<std::size_t>(m_selected)]->redraw();
    m_selected = index;
    m_farben[static_cast<std::size_t>(index)]->setSelected(true);
    m_farben[static_cast<std::size_t>(index)]->redraw();
}

void GraphWindow::_ViewFarbpalette_Action() {
    m_farbenvisible = !m_farbenvisible;
    for (Farbbutton* button : m_farben) {
        button->setVisible(m_farbenvisible);
    }
}

void GraphWindow::redraw(Graphics& g) {
    if (m_working) {
        return;
    }
    if (!m_bild) {
        g.setForeColor(Color{});
        g.DrawString("Out of memory!", 20, 20);
        return;
    }
    g.DrawPicture(*m_bild, -m_controls.ScrollBarX->value(), -m_controls.ScrollBarY->value());
    const int pictureWidth = m_bild->Width();
    const int pictureHeight = m_bild->Height();
    g.setForeColor(marginGrey);
    g.FillRect(pictureWidth, 0, g.Width() - pictureWidth, pictureHeight);
    g.FillRect(0, pictureHeight, g.Width(), g.Height());
}

void GraphWindow::adjustscrollbars() {
    m_working = true;
    int maxX = 0;
    int maxY = 0;
    if (m_bild) {
        maxX = std::max(0, m_bild->Width() - m_controls.ausgabe->width());
        maxY = std::max(0, m_bild->Height() - m_controls.ausgabe->height());
    }
    m_controls.ScrollBarX->setMaximum(maxX);
    m_controls.ScrollBarY->setMaximum(maxY);
    m_controls.ScrollBarX->setPageStep(m_controls.ausgabe->width());
    m_controls.ScrollBarY->setPageStep(m_controls.ausgabe->height());
    if ((QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier) != 0) {
        m_controls.ScrollBarX->setValue(maxX / 2);
        m_controls.ScrollBarY->setValue(maxY / 2);
    }
    m_working = false;
}

QStringList GraphWindow::faceNames(const Dataset& set) {
    const auto joined = [](const std::string& first, const std::string& second,
                           const std::string& third) {
        return QString::fromStdString(first + " - " + second + " - " + third);
    };
    return {joined(set.a, set.b, set.c), joined(set.b, set.c, set.d), joined(set.a, set.c, set.d),
            joined(set.a, set.b, set.d)};
}

void GraphWindow::Event_Resized() {
    update();
    movefarben();
}

QSize GraphWindow::zoomedSize() const {
    return {m_controls.ausgabe->width() * m_faktor / 100,
            m_controls.ausgabe->height() * m_faktor / 100};
}

void GraphWindow::repaintCanvas() {
    m_controls.ausgabe->update();
}

QPoint GraphWindow::picturePosition(int x, int y) const {
    return {x + m_controls.ScrollBarX->value(), y + m_controls.ScrollBarY->value()};
}

bool GraphWindow::withinTolerance(int sx, int sy, int px, int py) {
    return std::llabs(static_cast<long long>(sx) - px) < hitTolerance &&
           std::llabs(static_cast<long long>(sy) - py) < hitTolerance;
}

void GraphWindow::ausgabe_MouseMove(int x, int y) {
    const datarow* row = Punktobject(x, y);
    m_controls.punktname->setText(row ? QString::number(row->anr) : QString());
}

void GraphWindow::ausgabe_MouseDown(int x, int y) {
    if (!m_farbenvisible) {
        return;
    }
    datarow* row = Punktobject(x, y);
    if (!row) {
        SystemBeep::sound();
        return;
    }
    if (row->farbe != m_selected) {
        row->farbe = m_selected;
        if (Dataset* set = dataset()) {
            set->changed = 2;
        }
        recoloured();
    }
}

void GraphWindow::FaktorSlider_ValueChanged(int value) {
    if (value != m_faktor) {
        m_faktor = value;
        update();
    }
}

void GraphWindow::Kreisdicke_Return() {
    const std::int32_t kreisdicke = NumberText::saturateToInt32(
        NumberText::parsePlainNumber(m_controls.Kreisdicke->text().toStdString()));
    setKreisdicke(kreisdicke);
    m_controls.Kreisdicke->setText(QString::number(kreisdicke));
    update();
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_controls.Kreisdicke && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Kreisdicke_Return();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void GraphWindow::enableMenuItems(MenuItems& items) {
    items.enable("FileClose");
    if (hasGraphic()) {
        // Saving, printing, copying and the slides are served from a later version on; until
        // then their items stay disabled, and only the caption tells what "Save" would do here.
        items.setCaption("FileSave2", "Save graphic...");
    }
    items.enable("ViewFarbpalette");
    items.setChecked("ViewFarbpalette", m_farbenvisible);
}

} // namespace morvane
