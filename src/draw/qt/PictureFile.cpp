#include "draw/qt/PictureFile.h"

#include "draw/qt/QtPicture.h"

#include <QImageWriter>
#include <QSaveFile>

namespace morvane {

bool savePicture(const Picture& picture, const std::filesystem::path& path, std::string* error) {
    auto fail = [&](const QString& reason) {
        if (error != nullptr) {
            *error = reason.toStdString();
        }
        return false;
    };
    const QImage* image = pictureImage(picture);
    if (image == nullptr) {
        return fail("this picture has no image to save");
    }
    const QString name = QString::fromStdString(path.string());
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail("cannot write " + name + ": " + file.errorString());
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(*image)) {
        file.cancelWriting();
        return fail("cannot write " + name + ": " + writer.errorString());
    }
    if (!file.commit()) {
        return fail("cannot write " + name + ": " + file.errorString());
    }
    return true;
}

} // namespace morvane
