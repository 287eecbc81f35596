#include "ternary/TernaryTestSupport.h"

#include <algorithm>

namespace morvane::test {

std::shared_ptr<Dataset> datasetOf(const std::vector<RowValues>& rows, std::string a, std::string b,
                                   std::string c, std::string d) {
    auto data = std::make_shared<Dataset>();
    std::int32_t anr = 1;
    for (const RowValues& values : rows) {
        datarow row;
        row.anr = anr++;
        row.a = values.a;
        row.b = values.b;
        row.c = values.c;
        row.d = values.d;
        row.farbe = values.farbe;
        data->addrow(row);
    }
    data->a = std::move(a);
    data->b = std::move(b);
    data->c = std::move(c);
    data->d = std::move(d);
    return data;
}

DiagramServices servicesWith(const PictureFactory* pictures, std::function<bool()> smoothing,
                             std::function<std::string()> longDate) {
    DiagramServices services;
    services.pictures = pictures;
    services.smoothing = std::move(smoothing);
    services.longDate = std::move(longDate);
    return services;
}

DiagramServices smoothingServices(std::function<bool()> smoothing) {
    return servicesWith(nullptr, std::move(smoothing));
}

DiagramServices dateServices(std::function<std::string()> longDate) {
    return servicesWith(nullptr, {}, std::move(longDate));
}

std::unique_ptr<Picture> FakePictureFactory::NewPicture(int width, int height, int depth) const {
    lastDepth = depth;
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    ++made;
    return std::make_unique<FakePicture>(width, height);
}

std::size_t indexOf(const std::vector<std::string>& calls, const std::string& call,
                    std::size_t from) {
    const auto start = calls.begin() + static_cast<std::ptrdiff_t>(std::min(from, calls.size()));
    return static_cast<std::size_t>(std::find(start, calls.end(), call) - calls.begin());
}

std::vector<std::string> slice(const std::vector<std::string>& calls, std::size_t first,
                               std::size_t last) {
    last = std::min(last, calls.size());
    first = std::min(first, last);
    return {calls.begin() + static_cast<std::ptrdiff_t>(first),
            calls.begin() + static_cast<std::ptrdiff_t>(last)};
}

} // namespace morvane::test
