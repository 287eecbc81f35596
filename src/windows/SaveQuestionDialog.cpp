#include "windows/SaveQuestionDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace morvane {
namespace {

QFont pointFont(const QWidget& widget, int points) {
    QFont font = widget.font();
    font.setPointSize(points);
    return font;
}

} // namespace

SaveQuestionDialog::SaveQuestionDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("SaveQuestionDialog");
    setWindowTitle("Sichern?");
    setModal(true);
    setFixedSize(350, 120);

    auto* canvas = new QLabel(this);
    canvas->setObjectName("Canvas1");
    canvas->setGeometry(20, 14, 32, 32);
    canvas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    canvas->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(32, 32));

    auto* text = new QLabel(
        QString::fromUtf8("Sie haben die Daten geändert. Wollen Sie die Änderungen sichern?"),
        this);
    text->setObjectName("StaticText1");
    text->setGeometry(64, 14, 216, 40);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setFont(pointFont(*this, 12));

    CancelButton = addButton("Abbrechen", {20, 80, 90, 20}, Cancel);
    CancelButton->setObjectName("CancelButton");
    DontButton = addButton("Nicht sichern", {125, 80, 100, 20}, DontSave);
    DontButton->setObjectName("DontButton");
    SaveButton = addButton("Sichern", {240, 80, 90, 20}, Save);
    SaveButton->setObjectName("SaveButton");
    // Return always means "Sichern", whichever button has the focus; Escape reaches
    // QDialog::reject(), whose result 0 is that of "Abbrechen".
    SaveButton->setDefault(true);
    SaveButton->setFocus();
}

QPushButton* SaveQuestionDialog::addButton(const QString& caption, const QRect& box, int result) {
    auto* button = new QPushButton(caption, this);
    button->setGeometry(box);
    button->setFont(pointFont(*this, 12));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

} // namespace morvane
