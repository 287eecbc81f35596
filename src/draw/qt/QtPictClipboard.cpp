#include "draw/qt/QtPictClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace morvane {

int QtPictClipboard::putPicture(const std::string& pict, const std::string& svg) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return PictError::noClipboard;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return PictError::noClipboard;
    }
    auto data = std::make_unique<QMimeData>();
    data->setData(pictMimeType, QByteArray(pict.data(), static_cast<qsizetype>(pict.size())));
    if (!svg.empty()) {
        data->setData(svgMimeType, QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    }
    clipboard->setMimeData(data.release()); // the clipboard owns it from here
    return 0;
}

} // namespace morvane
