#include "app/TextEditing.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace morvane::TextEditing {
namespace {

QLineEdit* focusedField() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

} // namespace

void enableMenuItems(MenuItems& items) {
    const QLineEdit* field = focusedField();
    if (!field) {
        return;
    }
    const bool writable = !field->isReadOnly();
    if (writable && field->isUndoAvailable()) {
        items.enable("EditUndo");
    }
    if (field->hasSelectedText() && field->echoMode() == QLineEdit::Normal) {
        items.enable("EditCopy");
        if (writable) {
            items.enable("EditCut");
        }
    }
    if (writable && field->hasSelectedText()) {
        items.enable("EditClear");
    }
    if (writable && !QApplication::clipboard()->text().isEmpty()) {
        items.enable("EditPaste");
    }
}

bool run(std::string_view item) {
    QLineEdit* field = focusedField();
    if (!field) {
        return false;
    }
    if (item == "EditUndo") {
        field->undo();
    } else if (item == "EditCut") {
        field->cut();
    } else if (item == "EditCopy") {
        field->copy();
    } else if (item == "EditPaste") {
        field->paste();
    } else if (item == "EditClear") {
        field->del();
    } else {
        return false;
    }
    return true;
}

} // namespace morvane::TextEditing
