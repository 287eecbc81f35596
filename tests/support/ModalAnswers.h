#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <queue>

class QWidget;

namespace morvane::test {

// Answers the modal dialogs that the code under test opens with exec(): each modal widget that
// comes to the front is handed to the next queued answer, inside the dialog's own event loop.
// A modal widget that finds no answer left is recorded as unexpected and rejected, so a test
// never hangs in a dialog nobody answers.
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget& modal)>;

    ModalAnswers();
    ~ModalAnswers() override;

    void expect(Answer answer);
    // Answers still waiting for their dialog.
    int pending() const { return static_cast<int>(m_answers.size()); }
    // Class and object names of the modal widgets that came without an answer.
    const QStringList& unexpected() const { return m_unexpected; }

    // Ready-made answers.
    static Answer pressKey(Qt::Key key);
    static Answer clickButton(const QString& objectName);
    // A QFileDialog: chooses `path` and accepts. Its name filters go to `filters` if given.
    static Answer chooseFile(const QString& path, QStringList* filters = nullptr);
    // Rejects the dialog (a cancelled file dialog, for instance).
    static Answer cancel();
    // A QMessageBox: stores its text and informative text, then presses its default button.
    static Answer acknowledgeMessage(QString* text);
    // A QColorDialog: stores its title in `title` if given, then confirms `colour`.
    static Answer chooseColour(const QColor& colour, QString* title = nullptr);

private:
    void poll();

    QTimer m_timer;
    std::queue<Answer> m_answers;
    QPointer<QWidget> m_lastAnswered;
    QStringList m_unexpected;
};

} // namespace morvane::test
