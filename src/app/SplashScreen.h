#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace morvane {

// The about screen: a 500 x 350 box without title bar in light violet (0x9999FF) that names the
// program, describes the file format and shows the version date. Shown modally with exec();
// "Weiter" closes it, and so do Return and Escape.
class SplashScreen : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* versionDate = "24. November 2002";

    explicit SplashScreen(QWidget* parent = nullptr);

    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QPushButton* PushButton1 = nullptr;

    // The lines of the description, joined with line breaks, "%" still in place.
    static QString description();

private:
    void StaticText2_Open();
};

} // namespace morvane
