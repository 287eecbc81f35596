#include "support/ModalAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace morvane::test {

ModalAnswers::ModalAnswers() {
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
    m_timer.start();
}

ModalAnswers::~ModalAnswers() = default;

void ModalAnswers::expect(Answer answer) {
    m_answers.push(std::move(answer));
}

void ModalAnswers::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == m_lastAnswered) {
        return;
    }
    m_lastAnswered = modal;
    if (m_answers.empty()) {
        m_unexpected.append(
            QString("%1 %2").arg(modal->metaObject()->className(), modal->objectName()));
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        return;
    }
    // Answered from a fresh timer event: an answer that opens a further dialog must not block
    // this poll, which Qt would not run again until the answer returned.
    Answer answer = std::move(m_answers.front());
    m_answers.pop();
    QTimer::singleShot(0, this, [answer = std::move(answer), target = QPointer<QWidget>(modal)] {
        if (target) {
            answer(*target);
        }
    });
}

ModalAnswers::Answer ModalAnswers::pressKey(Qt::Key key) {
    return [key](QWidget& modal) {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != &modal) {
            target = &modal;
        }
        QTest::keyClick(target, key);
    };
}

ModalAnswers::Answer ModalAnswers::clickButton(const QString& objectName) {
    return [objectName](QWidget& modal) {
        auto* button = modal.findChild<QAbstractButton*>(objectName);
        QVERIFY2(button, qPrintable("no button " + objectName));
        button->click();
    };
}

ModalAnswers::Answer ModalAnswers::chooseFile(const QString& path, QStringList* filters) {
    return [path, filters](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        QVERIFY2(dialog, "expected a file dialog");
        if (filters) {
            *filters = dialog->nameFilters();
        }
        dialog->selectFile(path);
        // selectFile() leaves the name field alone while it has the focus.
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
            name->setText(QFileInfo(path).fileName());
        }
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept() is protected
    };
}

ModalAnswers::Answer ModalAnswers::cancel() {
    return [](QWidget& modal) {
        auto* dialog = qobject_cast<QDialog*>(&modal);
        QVERIFY2(dialog, "expected a dialog");
        dialog->reject();
    };
}

ModalAnswers::Answer ModalAnswers::acknowledgeMessage(QString* text) {
    return [text](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        QVERIFY2(box, "expected a message box");
        if (text) {
            *text = box->text() + "\n" + box->informativeText();
        }
        box->defaultButton() ? box->defaultButton()->click() : box->accept();
    };
}

ModalAnswers::Answer ModalAnswers::chooseColour(const QColor& colour, QString* title) {
    return [colour, title](QWidget& modal) {
        auto* picker = qobject_cast<QColorDialog*>(&modal);
        QVERIFY2(picker, "expected a colour picker");
        if (title) {
            *title = picker->windowTitle();
        }
        picker->setCurrentColor(colour);
        picker->accept();
    };
}

} // namespace morvane::test
