#include "draw/gemeinsames.h"

#include "draw/Graphics.h"
#include "draw/VectorRecorder.h"

namespace morvane::gemeinsames {
namespace {

constexpr int digitSize = 10;
constexpr int letterSize = 18;
constexpr int digitDrop = 2;

// Calls `draw(character, isDigit)` for every UTF-8 character of the label.
template <typename Draw>
void forEachCharacter(std::string_view label, Draw&& draw) {
    std::size_t start = 0;
    while (start < label.size()) {
        std::size_t end = start + 1;
        while (end < label.size() && (static_cast<unsigned char>(label[end]) & 0xC0) == 0x80) {
            ++end;
        }
        const std::string_view character = label.substr(start, end - start);
        draw(character, character.size() == 1 && character[0] >= '0' && character[0] <= '9');
        start = end;
    }
}

} // namespace

void drawstring(Graphics& g, std::string_view label, int x, int y) {
    g.setTextFont("Helvetica");
    forEachCharacter(label, [&](std::string_view character, bool digit) {
        g.setTextSize(digit ? digitSize : letterSize);
        g.DrawString(character, x, digit ? y + digitDrop : y);
        x = static_cast<int>(x + g.StringWidth(character));
    });
}

void drawstringV(VectorRecorder& p, std::string_view label, int x, int y) {
    forEachCharacter(label, [&](std::string_view character, bool digit) {
        p.setTextSize(digit ? digitSize : letterSize);
        p.DrawString(character, x, digit ? y + digitDrop : y);
        x += p.StringWidth(character);
    });
}

} // namespace morvane::gemeinsames
