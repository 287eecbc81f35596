#pragma once

#include "data/Dataset.h"
#include "draw/Picture.h"
#include "draw/RecordingGraphics.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace morvane::test {

// Four raw component values and a colour index; the data set normalises them.
struct Composition {
    double a = 0;
    double b = 0;
    double c = 0;
    double d = 0;
    int farbe = 0;
};

// A data set of the given rows, numbered 1, 2, ... in order, with components named A to D.
inline std::shared_ptr<Dataset> datasetOf(std::initializer_list<Composition> rows) {
    auto data = std::make_shared<Dataset>();
    int anr = 1;
    for (const Composition& composition : rows) {
        datarow row;
        row.anr = anr++;
        row.a = composition.a;
        row.b = composition.b;
        row.c = composition.c;
        row.d = composition.d;
        row.farbe = composition.farbe;
        data->addrow(row);
    }
    return data;
}

// The one row whose four normalised values are 0.25: the centre of the tetrahedron.
inline std::shared_ptr<Dataset> centreRow(int farbe = 9) {
    return datasetOf({{1, 1, 1, 1, farbe}});
}

// Calls of a recording whose first word is one of `words`, in order.
template <typename Recording>
std::vector<std::string> callsOf(const Recording& recording,
                                 std::initializer_list<std::string> words) {
    std::vector<std::string> found;
    for (const std::string& call : recording.calls) {
        const std::string word = call.substr(0, call.find(' '));
        for (const std::string& wanted : words) {
            if (word == wanted) {
                found.push_back(call);
            }
        }
    }
    return found;
}

// The calls between the first occurrence of `from` and the next occurrence of `to` (both
// excluded); empty when `from` is missing.
template <typename Recording>
std::vector<std::string> callsBetween(const Recording& recording, const std::string& from,
                                      const std::string& to) {
    std::vector<std::string> found;
    bool inside = false;
    for (const std::string& call : recording.calls) {
        if (inside && call == to) {
            break;
        }
        if (inside) {
            found.push_back(call);
        }
        inside = inside || call == from;
    }
    return found;
}

// A picture that records its drawing and keeps real pixels, and the factory that makes it.
class RecordingPicture : public Picture {
public:
    RecordingPicture(int width, int height) : m_graphics(width, height), m_pixels(width, height) {}

    int Width() const override { return m_graphics.Width(); }
    int Height() const override { return m_graphics.Height(); }
    Graphics& graphics() override { return m_graphics; }
    RGBSurface& rgbSurface() override { return m_pixels; }
    void setHorizontalResolution(double) override {}
    void setVerticalResolution(double) override {}

    RecordingGraphics& recording() { return m_graphics; }

private:
    RecordingGraphics m_graphics;
    MemorySurface m_pixels;
};

class RecordingPictureFactory : public PictureFactory {
public:
    std::unique_ptr<Picture> NewPicture(int width, int height, int depth) const override {
        ++made;
        if (width <= 0 || height <= 0 || depth != 32 || refuse) {
            return nullptr;
        }
        return std::make_unique<RecordingPicture>(width, height);
    }

    mutable int made = 0;
    bool refuse = false; // as when memory is short
};

} // namespace morvane::test
