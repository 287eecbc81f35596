#include "app/SplashScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace morvane {

SplashScreen::SplashScreen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("SplashScreen");
    setModal(true);
    setFixedSize(500, 350);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x99, 0x99, 0xFF));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    StaticText1 = new QLabel("Morvane", this);
    StaticText1->setObjectName("StaticText1");
    StaticText1->setGeometry(20, 14, 460, 40);
    StaticText1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont title = font();
    title.setPointSize(24);
    StaticText1->setFont(title);

    StaticText2 = new QLabel(description(), this);
    StaticText2->setObjectName("StaticText2");
    StaticText2->setGeometry(20, 66, 460, 189);
    StaticText2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    StaticText2->setWordWrap(true);
    StaticText2_Open();

    PushButton1 = new QPushButton("Weiter", this);
    PushButton1->setObjectName("PushButton1");
    PushButton1->setGeometry(404, 310, 76, 20);
    PushButton1->setDefault(true);
    PushButton1->setFocus();
    // Escape reaches QDialog::reject(), which closes the box just as the button does.
    connect(PushButton1, &QPushButton::clicked, this, &QDialog::accept);
}

QString SplashScreen::description() {
    return QStringList{
        QString::fromUtf8("Projektion von Messdaten in ein drehbares Tetraeder (3D) und auf die "
                          "4 Tetraederflächen (2D)"),
        "",
        "Messdaten im Textformat",
        "\"Nummer - Wert 1- Wert 2 - Wert 3 - Wert 4 - Farbe\"",
        "Trennzeichen: Tabulator; Dezimalstellen: Komma; Farbe als Zahlen 0-15. Messwerte "
        "selbst normierend.",
        "",
        "Version: %",
        "",
        "Idee und Geowissenschaften: Brisolt",
        "Programmierung: Tarnewik",
    }
        .join('\n');
}

void SplashScreen::StaticText2_Open() {
    StaticText2->setText(StaticText2->text().replace('%', versionDate));
}

} // namespace morvane
