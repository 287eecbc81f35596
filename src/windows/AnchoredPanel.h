#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <vector>

namespace morvane {

// Window edges whose distance a control keeps when the window is resized. A control anchored
// to both left and right (or top and bottom) stretches; one anchored to the right (bottom)
// only moves with that edge; one anchored to neither, or to left and top only, keeps its place
// relative to the top-left corner and its size.
namespace Anchor {
inline constexpr unsigned None = 0;
inline constexpr unsigned Left = 1;
inline constexpr unsigned Top = 2;
inline constexpr unsigned Right = 4;
inline constexpr unsigned Bottom = 8;
inline constexpr unsigned All = Left | Top | Right | Bottom;
} // namespace Anchor

// The content area of a window laid out in fixed pixel boxes, as drawn for a design size:
// every placed control sits at its box while the area has the design size, and keeps the
// distances to its anchored edges at any other size. Controls that are not placed here keep
// whatever geometry their owner gives them.
class AnchoredPanel : public QWidget {
public:
    AnchoredPanel(QSize designSize, QWidget* parent);

    // Places `control` (a child of this panel) at `box`, in pixels of the design size.
    void place(QWidget* control, QRect box, unsigned anchors);
    // The box of a placed control for the panel's size `size`.
    QRect boxFor(QRect designBox, unsigned anchors, QSize size) const;

    // Runs after the controls have been laid out for a size other than the one before
    // (the first layout at the design size does not count).
    void setResizedHandler(std::function<void()> handler) { m_resized = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placement {
        QWidget* control;
        QRect box;
        unsigned anchors;
    };

    QSize m_designSize;
    QSize m_laidOutSize;
    std::vector<Placement> m_placements;
    std::function<void()> m_resized;
};

} // namespace morvane
