#pragma once

#include "data/Dataset.h"
#include "draw/DiagramServices.h"
#include "draw/Picture.h"
#include "draw/RecordingGraphics.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace morvane::test {

struct RowValues {
    double a = 0;
    double b = 0;
    double c = 0;
    double d = 0;
    int farbe = 0;
};

// A data set with the given rows (numbered from 1) and component names.
std::shared_ptr<Dataset> datasetOf(const std::vector<RowValues>& rows, std::string a = "A",
                                   std::string b = "B", std::string c = "C", std::string d = "D");

// Services with the given pieces; the rest stays empty.
DiagramServices servicesWith(const PictureFactory* pictures, std::function<bool()> smoothing = {},
                             std::function<std::string()> longDate = {});
DiagramServices smoothingServices(std::function<bool()> smoothing);
DiagramServices dateServices(std::function<std::string()> longDate);

// A picture whose drawing surface records calls and whose pixel surface is a real buffer.
class FakePicture : public Picture {
public:
    FakePicture(int width, int height) : m_graphics(width, height), m_surface(width, height) {}

    int Width() const override { return m_graphics.Width(); }
    int Height() const override { return m_graphics.Height(); }
    Graphics& graphics() override { return m_graphics; }
    RGBSurface& rgbSurface() override { return m_surface; }
    void setHorizontalResolution(double) override {}
    void setVerticalResolution(double) override {}

    RecordingGraphics& recording() { return m_graphics; }
    MemorySurface& pixels() { return m_surface; }

private:
    RecordingGraphics m_graphics;
    MemorySurface m_surface;
};

class FakePictureFactory : public PictureFactory {
public:
    std::unique_ptr<Picture> NewPicture(int width, int height, int depth) const override;

    mutable int made = 0;
    mutable int lastDepth = 0;
};

// Position of the first call equal to `call` at or after `from`; calls.size() when none.
std::size_t indexOf(const std::vector<std::string>& calls, const std::string& call,
                    std::size_t from = 0);

// The calls from `first` up to (not including) `last`.
std::vector<std::string> slice(const std::vector<std::string>& calls, std::size_t first,
                               std::size_t last);

} // namespace morvane::test
