#include "draw/gemeinsames.h"

#include "data/Dataset.h"
#include "draw/DiagramServices.h"
#include "draw/Graphics.h"
#include "draw/VectorRecorder.h"

#include <exception>
#include <limits>

namespace morvane::gemeinsames {
namespace {

constexpr int digitSize = 10;
constexpr int letterSize = 18;
constexpr int digitDrop = 2;

// Calls `draw(character, isDigit)` for every UTF-8 character of the label while it returns
// true.
template <typename Draw>
void forEachCharacter(std::string_view label, Draw&& draw) {
    std::size_t start = 0;
    while (start < label.size()) {
        std::size_t end = start + 1;
        while (end < label.size() && (static_cast<unsigned char>(label[end]) & 0xC0) == 0x80) {
            ++end;
        }
        const std::string_view character = label.substr(start, end - start);
        if (!draw(character, character.size() == 1 && character[0] >= '0' && character[0] <= '9')) {
            return;
        }
        start = end;
    }
}

// The baseline of a character: digits hang below y. At the very end of the int range they stay
// on the last whole pixel, which no surface reaches anyway.
int baselineOf(int y, bool digit) {
    if (!digit) {
        return y;
    }
    return y > std::numeric_limits<int>::max() - digitDrop ? std::numeric_limits<int>::max()
                                                           : y + digitDrop;
}

// x advanced by a character's width, truncated; false when that leaves the int range, where no
// surface reaches: the rest of the label is not drawn.
bool advance(int& x, double width) {
    const double next = x + width;
    if (!(next > std::numeric_limits<int>::min() - 1.0 &&
          next < std::numeric_limits<int>::max() + 1.0)) {
        return false;
    }
    x = static_cast<int>(next);
    return true;
}

// Draws the two lines through `drawLine(text, y)` after `prepare()`; see printdatum.
template <typename Prepare, typename DrawLine>
void fileAndDateLines(const Dataset* data, const DiagramServices& services, Prepare&& prepare,
                      DrawLine&& drawLine) {
    try {
        // The date is taken first, as a clock reading at the start of the lines.
        const std::string date = services.longDate ? services.longDate() : std::string();
        prepare();
        if (data == nullptr || !data->file) {
            return;
        }
        drawLine(fullPathText(*data->file), 20);
        if (!date.empty()) {
            drawLine(date, 40);
        }
    } catch (const std::exception&) {
        // The file and date lines are a courtesy: a failure only ends them.
    }
}

} // namespace

std::string fullPathText(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(file, error);
    return (error ? file : full.lexically_normal()).string();
}

void printdatum(Graphics& g, const Dataset* data, const DiagramServices& services, int fontsize) {
    fileAndDateLines(
        data, services,
        [&] {
            g.setTextFont("helvetica");
            g.setTextSize(fontsize);
        },
        [&](const std::string& text, int baseline) { g.DrawString(text, 10, baseline); });
}

void printdatumV(VectorRecorder& p, const Dataset* data, const DiagramServices& services,
                 int fontsize) {
    fileAndDateLines(
        data, services, [&] { p.setTextSize(fontsize); },
        [&](const std::string& text, int baseline) { p.DrawString(text, 10, baseline); });
}

void drawstring(Graphics& g, std::string_view label, int x, int y) {
    g.setTextFont("Helvetica");
    forEachCharacter(label, [&](std::string_view character, bool digit) {
        g.setTextSize(digit ? digitSize : letterSize);
        g.DrawString(character, x, baselineOf(y, digit));
        return advance(x, g.StringWidth(character));
    });
}

void drawstringV(VectorRecorder& p, std::string_view label, int x, int y) {
    forEachCharacter(label, [&](std::string_view character, bool digit) {
        p.setTextSize(digit ? digitSize : letterSize);
        p.DrawString(character, x, baselineOf(y, digit));
        return advance(x, p.StringWidth(character));
    });
}

} // namespace morvane::gemeinsames
