#include "FontWidthTable.h"

#include "data/TextCodec.h"

#include <QRawFont>
#include <QString>
#include <cmath>

namespace morvane::test {

std::array<int, 256> macRomanAdvances(const QByteArray& fontData, int& unitsPerEm) {
    std::array<int, 256> advances{};
    QRawFont probe(fontData, 12, QFont::PreferNoHinting);
    if (!probe.isValid()) {
        unitsPerEm = 0;
        return advances;
    }
    unitsPerEm = static_cast<int>(probe.unitsPerEm());
    // At a pixel size of one em the advances come out in font units.
    const QRawFont font(fontData, unitsPerEm, QFont::PreferNoHinting);
    for (int code = 0x20; code < 256; ++code) {
        if (code == 0x7F) {
            continue;
        }
        const std::string utf8 =
            TextCodec::decode(std::string(1, static_cast<char>(code)), TextEncoding::MacRoman);
        const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromStdString(utf8));
        if (glyphs.size() != 1) {
            continue;
        }
        const QList<QPointF> advance = font.advancesForGlyphIndexes(glyphs);
        advances[static_cast<std::size_t>(code)] = static_cast<int>(std::lround(advance[0].x()));
    }
    return advances;
}

} // namespace morvane::test
