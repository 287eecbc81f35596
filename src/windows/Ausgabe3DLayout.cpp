// The controls of the 3D graph window at their boxes (pixels of the 802 x 547 content area).
#include "windows/AnchoredPanel.h"
#include "windows/Ausgabe3D.h"
#include "windows/ColorChooser.h"
#include "windows/GraphCanvas.h"
#include "windows/GraphControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>

namespace morvane {
namespace {

using namespace GraphControls;

constexpr unsigned topRight = Anchor::Top | Anchor::Right;
const QString degreeZero = QString::fromUtf8("0°");

} // namespace

void Ausgabe3D::buildControls() {
    AnchoredPanel& area = panel();
    SharedControls shared;
    shared.ScrollBarY = scrollBar(area, "ScrollBarY", Qt::Vertical, {787, 46, 16, 487},
                                  Anchor::Top | Anchor::Right | Anchor::Bottom);
    shared.ScrollBarX = scrollBar(area, "ScrollBarX", Qt::Horizontal, {150, 532, 638, 16},
                                  Anchor::Left | Anchor::Right | Anchor::Bottom);
    shared.ausgabe = new GraphCanvas(&area);
    shared.ausgabe->setObjectName("ausgabe");
    area.place(shared.ausgabe, {150, 46, 637, 486}, Anchor::All);

    label(area, "StaticText1", "Winkel:", {20, 46, 120, 20}, Anchor::None);
    const std::array<const char*, 3> axisTexts{"X-Achse:", "Y-Achse:", "Z-Achse:"};
    const std::array<const char*, 3> axisLabelNames{"StaticText2", "StaticText3", "StaticText4"};
    const std::array<const char*, 3> winkelNames{"Winkel1", "Winkel2", "Winkel3"};
    const std::array<const char*, 3> littleNames{"LittleWinkel1", "LittleWinkel2", "LittleWinkel3"};
    const std::array<const char*, 3> sliderNames{"Slider1", "Slider2", "Slider3"};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const int top = 79 + 56 * static_cast<int>(axis); // 79, 135, 191
        label(area, axisLabelNames[axis], axisTexts[axis], {20, top, 66, 20}, Anchor::None);
        m_winkelLabels[axis] = label(area, winkelNames[axis], degreeZero, {85, top, 30, 20},
                                     Anchor::None, Qt::AlignRight);
        m_littleWinkel[axis] = arrows(area, littleNames[axis], {127, top - 1, 13, 23});
        m_sliders[axis] = slider(area, sliderNames[axis], {20, top + 28, 120, 16}, 0, 359, 0, 120);
    }

    label(area, "StaticText5", QString::fromUtf8("Vergrößerung:"), {20, 247, 120, 20},
          Anchor::None);
    label(area, "StaticText7", "Faktor:", {20, 272, 66, 20}, Anchor::None);
    shared.faktorText =
        label(area, "thefaktor", "100%", {71, 272, 44, 20}, Anchor::None, Qt::AlignRight);
    shared.LittleArrows1 = arrows(area, "LittleArrows1", {127, 271, 13, 23});
    shared.FaktorSlider = slider(area, "FaktorSlider", {20, 300, 120, 16}, 50, 300, 100, 20);

    m_CheckData = checkBox(area, "CheckData", "Datenpunkte", {20, 328, 118, 20});
    m_CheckLinie = checkBox(area, "CheckLinie", "Linien", {20, 360, 118, 20});
    m_CheckText = checkBox(area, "CheckText", "Beschriftung", {20, 392, 118, 20});
    label(area, "StaticText9", "Kreisdicke:", {20, 425, 73, 20}, Anchor::None);
    shared.Kreisdicke = textField(area, "Kreisdicke", "12", {107, 424, 33, 22});
    shared.punktname =
        label(area, "punktname", QString(), {20, 512, 118, 20}, Anchor::Left | Anchor::Bottom);

    shared.colourReference =
        label(area, "StaticText8", "Ansicht:", {215, 14, 65, 20}, topRight, Qt::AlignRight);
    m_popupansicht = popup(area, "popupansicht", {"Pos 0", "Pos 1", "Pos 2", "Pos 3", "Pos 4"},
                           {292, 14, 161, 20}, topRight);
    label(area, "StaticText6", "Projektion:", {465, 14, 74, 20}, topRight, Qt::AlignRight);
    m_PopupProjektion = popup(area, "PopupProjektion", {"keine"}, {551, 14, 162, 20}, topRight);
    m_Farbe = new ColorChooser(&area);
    m_Farbe->setObjectName("Farbe");
    area.place(m_Farbe, {725, 14, 62, 20}, topRight);

    attachSharedControls(shared);
}

} // namespace morvane
