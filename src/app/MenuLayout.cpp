#include "app/MenuLayout.h"

#include <QString>
#include <QStringList>

namespace morvane::MenuLayout {

const std::vector<Menu>& menus() {
    static const std::vector<Menu> all{
        {"UntitledMenu6",
         "File",
         {
             {"FileNew", "New", "Cmd+N"},
             {"FileOpen", "Open textfile...", "Cmd+O"},
             {"FileClose", "Close...", "Cmd+W"},
             {"FileSave2", "Save", "Cmd+S"},
             {"FileSave", "Save as...", "Cmd+Shift+S"},
             {"UntitledMenu8", "-", ""},
             {"FilePageSetup", "Page Setup...", "Cmd+Shift+P"},
             {"FilePrint", "Print...", "Cmd+P"},
             {"UntitledMenu7", "-", ""},
             {"FileQuit", "Quit", "Cmd+Q", QAction::QuitRole},
         }},
        {"UntitledMenu4",
         "Edit",
         {
             {"EditUndo", "Undo", "Cmd+Z"},
             {"UntitledMenu5", "-", ""},
             {"EditCut", "Cut", "Cmd+X"},
             {"EditCopy", "Copy", "Cmd+C"},
             {"EditCopyimage", "Copy bitmap image", "Cmd+Shift+C"},
             {"EditCopyvectorimage", "Copy vector image", "Cmd+Option+C"},
             {"EditPaste", "Paste", "Cmd+V"},
             {"EditClear", "Clear", ""},
         }},
        {"UntitledMenu1",
         "&View",
         {
             {"View2DGraph", "&2D Graph", "Cmd+2"},
             {"View3DGraph", "&3D Graph", "Cmd+3"},
             {"UntitledMenu3", "-", ""},
             {"ViewBildauferstenBildschirm", "Bild auf ersten Bildschirm", "Cmd+F"},
             {"ViewBildaufzweitenBildschirm", "Bild auf zweiten Bildschirm", "Cmd+Shift+F"},
             {"UntitledMenu2", "-", ""},
             {"ViewNormierteWertezeigen", "&Normierte Werte zeigen", "Cmd+Option+N"},
             {"ViewLinienglatten", "Linien glätten", "Cmd+Option+L"},
             {"ViewFilmen", "Filmen", "Cmd+R"},
             {"ViewFarbpalette", "Farbpalette", "Cmd+Option+F"},
         }},
        {"UntitledMenu0",
         "Help",
         {
             {"HelpEmailanAuthorGeologie", "Email an Brisolt, Geowissenschaften", ""},
             {"HelpEmailanAuthorProgrammierung", "Email an Tarnewik, Programmierung", ""},
             {"AppleAbout", "Über dieses Programm...", "", QAction::AboutRole},
         }},
    };
    return all;
}

QKeySequence shortcutFromText(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    QStringList keys = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                           .split('+', Qt::SkipEmptyParts);
    for (QString& key : keys) {
        if (key == "Cmd") {
            key = "Ctrl";
        } else if (key == "Option") {
            key = "Alt";
        }
    }
    return QKeySequence::fromString(keys.join('+'), QKeySequence::PortableText);
}

} // namespace morvane::MenuLayout
