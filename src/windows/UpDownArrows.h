#pragma once

#include <QWidget>

class QToolButton;

namespace morvane {

// A pair of small arrow buttons stacked in one box, the upper raising Up, the lower Down;
// holding a button down repeats. Takes no keyboard focus.
class UpDownArrows : public QWidget {
    Q_OBJECT

public:
    explicit UpDownArrows(QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void Up();
    void Down();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace morvane
