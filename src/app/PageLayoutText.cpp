#include "app/PageLayoutText.h"

#include <QList>
#include <QMap>
#include <QPageSize>
#include <QSizeF>
#include <cmath>

namespace morvane::PageLayoutText {
namespace {

constexpr QByteArrayView header = "Morvane page layout 1";
// Nothing printable comes near a kilometre; the limit keeps absurd numbers out of QPageSize.
constexpr double largestLength = 1e6;

QByteArray number(double value) {
    return QByteArray::number(value, 'g', 17);
}

std::optional<double> length(const QByteArray& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > largestLength) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> enumValue(const QByteArray& text, int last) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > last) {
        return std::nullopt;
    }
    return value;
}

// "key value value ..." lines after the header; none when a line is malformed or repeated.
std::optional<QMap<QByteArray, QList<QByteArray>>> fields(QByteArrayView bytes) {
    const QList<QByteArray> lines = bytes.toByteArray().split('\n');
    if (lines.isEmpty() || lines.front() != header) {
        return std::nullopt;
    }
    QMap<QByteArray, QList<QByteArray>> result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            continue;
        }
        QList<QByteArray> words = lines[i].split(' ');
        const QByteArray key = words.takeFirst();
        if (result.contains(key)) {
            return std::nullopt;
        }
        result.insert(key, words);
    }
    return result;
}

std::optional<QPageSize> pageSize(const QList<QByteArray>& size,
                                  const QList<QByteArray>& definition) {
    if (size.size() != 1 || definition.size() != 3) {
        return std::nullopt;
    }
    const auto id = enumValue(size[0], QPageSize::LastPageSize);
    const auto width = length(definition[0]);
    const auto height = length(definition[1]);
    const auto unit = enumValue(definition[2], QPageSize::Cicero);
    if (!id || !width || !height || !unit || *width <= 0 || *height <= 0) {
        return std::nullopt;
    }
    if (*id != QPageSize::Custom) {
        return QPageSize(static_cast<QPageSize::PageSizeId>(*id));
    }
    return QPageSize(QSizeF(*width, *height), static_cast<QPageSize::Unit>(*unit), QString(),
                     QPageSize::ExactMatch);
}

} // namespace

QByteArray serialise(const QPageLayout& layout) {
    const QPageSize& size = layout.pageSize();
    const QSizeF definition = size.definitionSize();
    const QMarginsF margins = layout.margins();
    QByteArray text = header.toByteArray();
    text += "\nsize " + QByteArray::number(static_cast<int>(size.id()));
    text += "\ndefinition " + number(definition.width()) + ' ' + number(definition.height()) + ' ' +
            QByteArray::number(static_cast<int>(size.definitionUnits()));
    text += "\norientation " + QByteArray::number(static_cast<int>(layout.orientation()));
    text += "\nunits " + QByteArray::number(static_cast<int>(layout.units()));
    text += "\nmargins " + number(margins.left()) + ' ' + number(margins.top()) + ' ' +
            number(margins.right()) + ' ' + number(margins.bottom());
    text += '\n';
    return text;
}

std::optional<QPageLayout> parse(QByteArrayView bytes) {
    const auto parsed = fields(bytes);
    if (!parsed) {
        return std::nullopt;
    }
    const auto size = pageSize(parsed->value("size"), parsed->value("definition"));
    const QList<QByteArray> orientation = parsed->value("orientation");
    const QList<QByteArray> units = parsed->value("units");
    const QList<QByteArray> margins = parsed->value("margins");
    if (!size || !size->isValid() || orientation.size() != 1 || units.size() != 1 ||
        margins.size() != 4) {
        return std::nullopt;
    }
    const auto orientationValue = enumValue(orientation[0], QPageLayout::Landscape);
    const auto unitValue = enumValue(units[0], QPageLayout::Cicero);
    const auto left = length(margins[0]);
    const auto top = length(margins[1]);
    const auto right = length(margins[2]);
    const auto bottom = length(margins[3]);
    if (!orientationValue || !unitValue || !left || !top || !right || !bottom) {
        return std::nullopt;
    }
    QPageLayout layout(*size, static_cast<QPageLayout::Orientation>(*orientationValue),
                       QMarginsF(*left, *top, *right, *bottom),
                       static_cast<QPageLayout::Unit>(*unitValue));
    if (!layout.isValid() || layout.margins() != QMarginsF(*left, *top, *right, *bottom)) {
        return std::nullopt; // margins that do not fit on the page
    }
    return layout;
}

} // namespace morvane::PageLayoutText
