#pragma once

#include <QDialog>

class QPushButton;

namespace morvane {

// "Sichern?": asks whether to save changed data before a data window closes. Shown modally;
// exec() returns the `result` of the pressed button. Return presses "Sichern", Escape
// "Abbrechen" (so does closing the dialog by other means).
class SaveQuestionDialog : public QDialog {
    Q_OBJECT

public:
    enum Result { Cancel = 0, DontSave = 1, Save = 2 };

    explicit SaveQuestionDialog(QWidget* parent = nullptr);

    QPushButton* SaveButton = nullptr;
    QPushButton* DontButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    QPushButton* addButton(const QString& caption, const QRect& box, int result);
};

} // namespace morvane
