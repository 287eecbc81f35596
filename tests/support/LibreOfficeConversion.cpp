#include "support/LibreOfficeConversion.h"

#include "support/TestPaths.h"

#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdlib>

namespace morvane::test {

std::filesystem::path libreOfficeProgram() {
    if (const char* configured = std::getenv("MORVANE_SOFFICE")) {
        return configured;
    }
    const QString onPath = QStandardPaths::findExecutable("soffice");
    if (!onPath.isEmpty()) {
        return onPath.toStdString();
    }
    const std::filesystem::path debian = "/usr/bin/soffice";
    return std::filesystem::exists(debian) ? debian : std::filesystem::path();
}

Conversion convertWithLibreOffice(const std::filesystem::path& input, const std::string& format,
                                  const std::filesystem::path& outputFolder) {
    Conversion result;
    const std::filesystem::path program = libreOfficeProgram();
    if (program.empty()) {
        result.log = "LibreOffice (soffice) is not installed";
        return result;
    }
    // A profile of its own: two soffice processes on one profile wait for each other or fail.
    const TemporaryFolder profile;
    const QString profileUrl =
        "-env:UserInstallation=file://" + QString::fromStdString(profile.path().string());
    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start(QString::fromStdString(program.string()),
                  {profileUrl, "--headless", "--convert-to", QString::fromStdString(format),
                   "--outdir", QString::fromStdString(outputFolder.string()),
                   QString::fromStdString(input.string())});
    soffice.waitForFinished(-1);
    result.log = soffice.readAll().toStdString();
    std::filesystem::path expected = outputFolder / input.filename();
    expected.replace_extension(format);
    if (soffice.exitStatus() == QProcess::NormalExit && std::filesystem::exists(expected) &&
        std::filesystem::file_size(expected) > 0) {
        result.output = expected;
    }
    return result;
}

QRect nonWhiteBounds(const QImage& image, int whiteLevel) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    int left = pixels.width();
    int top = pixels.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qRed(line[x]) < whiteLevel || qGreen(line[x]) < whiteLevel ||
                qBlue(line[x]) < whiteLevel) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QPoint PageLocation::toPage(double x, double y) const {
    return {static_cast<int>(std::floor(offsetX + scaleX * x)),
            static_cast<int>(std::floor(offsetY + scaleY * y))};
}

PageLocation locateDrawing(const QImage& page, const QRectF& content, int whiteLevel) {
    PageLocation location;
    location.drawing = nonWhiteBounds(page, whiteLevel);
    if (!location.found() || content.width() <= 0 || content.height() <= 0) {
        return location;
    }
    // The box counts both of its edge pixels, so its width covers the content's whole width.
    location.scaleX = location.drawing.width() / content.width();
    location.scaleY = location.drawing.height() / content.height();
    location.offsetX = location.drawing.left() - location.scaleX * content.left();
    location.offsetY = location.drawing.top() - location.scaleY * content.top();
    return location;
}

std::vector<SvgText> svgTexts(const std::string& svg) {
    std::vector<SvgText> texts;
    QXmlStreamReader reader(QByteArray::fromStdString(svg));
    int depth = 0; // nesting inside the current <text>
    bool positioned = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == QLatin1String("text") && depth == 0) {
                texts.emplace_back();
                depth = 1;
                positioned = false;
            } else if (depth > 0) {
                ++depth;
            }
            if (depth > 0) {
                const auto attributes = reader.attributes();
                if (attributes.hasAttribute("font-size")) {
                    texts.back().fontSize =
                        attributes.value("font-size").toString().remove("px").toDouble();
                }
                if (attributes.hasAttribute("font-family")) {
                    texts.back().fontFamily =
                        attributes.value("font-family").toString().toStdString();
                }
                if (!positioned && attributes.hasAttribute("x") && attributes.hasAttribute("y")) {
                    texts.back().x = attributes.value("x").toDouble();
                    texts.back().y = attributes.value("y").toDouble();
                    positioned = true;
                }
            }
        } else if (reader.isEndElement() && depth > 0) {
            --depth;
        } else if (reader.isCharacters() && depth > 0) {
            texts.back().text += reader.text().toString().toStdString();
        }
    }
    return texts;
}

int pointsToSvgUnits(double points) {
    return static_cast<int>(std::lround(points * 2540.0 / 72.0));
}

} // namespace morvane::test
