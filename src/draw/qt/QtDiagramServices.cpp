#include "draw/qt/QtDiagramServices.h"

#include "draw/MacPictZeptar.h"
#include "draw/PictClipboard.h"
#include "draw/qt/QtPicture.h"

#include <QDate>
#include <QLocale>

namespace morvane {

DiagramServices qtDiagramServices(std::function<bool()> smoothing,
                                  std::shared_ptr<PictClipboard> clipboard) {
    static const QtPictureFactory pictures;
    DiagramServices services;
    services.pictures = &pictures;
    services.smoothing = std::move(smoothing);
    services.longDate = [] {
        return QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
    };
    services.newRecorder = [clipboard = std::move(clipboard)] {
        return std::make_unique<MacPictZeptar>(clipboard);
    };
    return services;
}

} // namespace morvane
