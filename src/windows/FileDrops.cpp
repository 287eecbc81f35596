#include "windows/FileDrops.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFileOpenEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

namespace morvane::FileDrops {
namespace {

bool carriesLocalFiles(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) {
        return false;
    }
    const QList<QUrl> urls = mime->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

} // namespace

void acceptFiles(QDragEnterEvent& event) {
    if (carriesLocalFiles(event.mimeData())) {
        event.acceptProposedAction();
    }
}

void openFiles(QDropEvent& event) {
    if (!carriesLocalFiles(event.mimeData())) {
        return;
    }
    for (const QUrl& url : event.mimeData()->urls()) {
        if (url.isLocalFile()) {
            QCoreApplication::postEvent(QCoreApplication::instance(),
                                        new QFileOpenEvent(url.toLocalFile()));
        }
    }
    event.acceptProposedAction();
}

} // namespace morvane::FileDrops
