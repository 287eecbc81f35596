// The controls of the 2D graph window at their boxes (pixels of the 790 x 510 content area).
#include "windows/AnchoredPanel.h"
#include "windows/Ausgabe2D.h"
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

} // namespace

void Ausgabe2D::buildControls() {
    AnchoredPanel& area = panel();
    SharedControls shared;
    shared.ScrollBarX = scrollBar(area, "ScrollBarX", Qt::Horizontal, {150, 494, 625, 16},
                                  Anchor::Left | Anchor::Right | Anchor::Bottom);
    shared.ausgabe = new GraphCanvas(&area);
    shared.ausgabe->setObjectName("ausgabe");
    area.place(shared.ausgabe, {150, 46, 625, 449}, Anchor::All);
    shared.colourReference =
        label(area, "StaticText6", "Projektion:", {496, 14, 93, 20}, topRight, Qt::AlignRight);
    // The layout's face names; newdata replaces them before the window is shown.
    m_PopupProjektion =
        popup(area, "PopupProjektion", {"ABC", "BCD", "CDA", "DAB"}, {601, 14, 162, 20}, topRight);

    label(area, "StaticText5", QString::fromUtf8("Vergrößerung:"), {20, 46, 120, 20}, Anchor::None);
    label(area, "StaticText7", "Faktor:", {20, 71, 66, 20}, Anchor::None);
    shared.faktorText =
        label(area, "Faktortext", "100%", {71, 71, 44, 20}, Anchor::None, Qt::AlignRight);
    shared.LittleArrows1 = arrows(area, "LittleArrows1", {127, 70, 13, 23});
    shared.FaktorSlider = slider(area, "FaktorSlider", {20, 99, 120, 16}, 50, 300, 100, 120);
    shared.ScrollBarY = scrollBar(area, "ScrollBarY", Qt::Vertical, {775, 46, 16, 449},
                                  Anchor::Top | Anchor::Right | Anchor::Bottom);

    m_Checkraster = checkBox(area, "Checkraster", "Unterteilung", {20, 127, 118, 20});
    m_CheckText = checkBox(area, "CheckText", "Beschriftung", {20, 159, 118, 20});
    m_CheckRand = checkBox(area, "CheckRand", "Rand", {20, 191, 118, 20});
    m_CheckData = checkBox(area, "CheckData", "Datenpunkte", {20, 223, 118, 20});
    label(area, "StaticText1", "Kreisdicke:", {20, 256, 73, 20}, Anchor::None);
    shared.Kreisdicke = textField(area, "Kreisdicke", "12", {105, 255, 33, 22});
    shared.punktname =
        label(area, "punktname", " ", {20, 475, 118, 20}, Anchor::Left | Anchor::Bottom);

    attachSharedControls(shared);
}

} // namespace morvane
