#include "draw/PixelShapes.h"

#include <algorithm>

namespace morvane {
namespace PixelShapes {
namespace {

std::int64_t wholeSquareRoot(std::int64_t value) {
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<long double>(value)));
    while (root > 0 && root * root > value) {
        --root;
    }
    while ((root + 1) * (root + 1) <= value) {
        ++root;
    }
    return root;
}

// The largest whole number whose square t satisfies t^2 h^2 + s^2 w^2 <= w^2 h^2.
std::int64_t squareLimit(int w, int h, std::int64_t s) {
    if (w <= 32768 && h <= 32768) {
        const std::int64_t w2 = std::int64_t{w} * w;
        const std::int64_t h2 = std::int64_t{h} * h;
        return w2 * (h2 - s * s) / h2;
    }
    const long double w2 = static_cast<long double>(w) * w;
    const long double h2 = static_cast<long double>(h) * h;
    const auto s2 = static_cast<long double>(s) * static_cast<long double>(s);
    return static_cast<std::int64_t>(std::floor(w2 * (h2 - s2) / h2));
}

} // namespace

std::pair<int, int> ovalRow(int w, int h, int j) {
    if (w < 1 || h < 1 || j < 0 || j >= h) {
        return {0, 0};
    }
    // With t = 2i + 1 - w and s = 2j + 1 - h (twice the offsets of the pixel centre from the
    // box centre), pixel i is in when t^2 h^2 + s^2 w^2 <= w^2 h^2.
    const std::int64_t s = 2 * std::int64_t{j} + 1 - h;
    if (s >= -1 && s <= 1) {
        return {0, w}; // a middle row
    }
    std::int64_t t = wholeSquareRoot(squareLimit(w, h, s));
    if ((t + w + 1) % 2 != 0) {
        --t; // t has the parity of w + 1
    }
    // At least the middle column(s).
    t = std::max<std::int64_t>(t, (w + 1) % 2);
    return {static_cast<int>((w - 1 - t) / 2), static_cast<int>((w - 1 + t) / 2 + 1)};
}

std::vector<PixelRun> filledOval(int w, int h) {
    std::vector<PixelRun> runs;
    for (int j = 0; j < h; ++j) {
        const auto [left, right] = ovalRow(w, h, j);
        if (left < right) {
            runs.push_back({j, left, right});
        }
    }
    return runs;
}

int framedOvalRow(int w, int h, int penWidth, int penHeight, int j, PixelRun runs[2]) {
    if (penWidth < 1 || penHeight < 1) {
        return 0;
    }
    const auto [left, right] = ovalRow(w, h, j);
    if (left >= right) {
        return 0;
    }
    const std::int64_t innerWidth = std::int64_t{w} - 2 * std::int64_t{penWidth};
    const std::int64_t innerHeight = std::int64_t{h} - 2 * std::int64_t{penHeight};
    std::pair<int, int> inner{0, 0};
    if (innerWidth >= 1 && innerHeight >= 1) {
        inner = ovalRow(static_cast<int>(innerWidth), static_cast<int>(innerHeight), j - penHeight);
    }
    if (inner.first >= inner.second) {
        runs[0] = {j, left, right};
        return 1;
    }
    const int holeLeft = inner.first + penWidth;
    const int holeRight = inner.second + penWidth;
    int count = 0;
    if (left < std::min(right, holeLeft)) {
        runs[count++] = {j, left, std::min(right, holeLeft)};
    }
    if (std::max(left, holeRight) < right) {
        runs[count++] = {j, std::max(left, holeRight), right};
    }
    return count;
}

std::vector<PixelRun> framedOval(int w, int h, int penWidth, int penHeight) {
    std::vector<PixelRun> runs;
    PixelRun row[2];
    for (int j = 0; j < h; ++j) {
        const int count = framedOvalRow(w, h, penWidth, penHeight, j, row);
        runs.insert(runs.end(), row, row + count);
    }
    return runs;
}

std::vector<std::pair<double, double>> penSweep(int x1, int y1, int x2, int y2, int penWidth,
                                                int penHeight) {
    using Point = std::pair<double, double>;
    if (penWidth < 1 || penHeight < 1) {
        return {};
    }
    std::vector<Point> corners;
    for (const auto& [x, y] : {Point{x1, y1}, Point{x2, y2}}) {
        corners.insert(corners.end(),
                       {Point{x, y}, Point{x + penWidth, y}, Point{x + penWidth, y + penHeight},
                        Point{x, y + penHeight}});
    }
    // Monotone chain over points sorted by y, then x; with y down, keeping left turns of the
    // cross product below gives the hull clockwise on screen.
    std::sort(corners.begin(), corners.end(), [](const Point& a, const Point& b) {
        return a.second != b.second ? a.second < b.second : a.first < b.first;
    });
    corners.erase(std::unique(corners.begin(), corners.end()), corners.end());
    auto cross = [](const Point& o, const Point& a, const Point& b) {
        return (a.second - o.second) * (b.first - o.first) -
               (a.first - o.first) * (b.second - o.second);
    };
    std::vector<Point> hull(2 * corners.size());
    std::size_t count = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const std::size_t floor = count;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point& point = pass == 0 ? corners[i] : corners[corners.size() - 1 - i];
            while (count >= floor + 2 && cross(hull[count - 2], hull[count - 1], point) >= 0) {
                --count;
            }
            hull[count++] = point;
        }
        --count; // the last point starts the other half
    }
    hull.resize(count);
    return hull;
}

} // namespace PixelShapes

const std::vector<PixelRun>& OvalShapeCache::find(int w, int h, int penWidth, int penHeight) {
    auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        return entry.w == w && entry.h == h && entry.penWidth == penWidth &&
               entry.penHeight == penHeight;
    });
    if (found != m_entries.end()) {
        std::rotate(m_entries.begin(), found, found + 1); // nothing to do when it is first
        return m_entries.front().runs;
    }
    if (m_entries.size() == capacity) {
        m_entries.pop_back();
    }
    std::vector<PixelRun> runs = penWidth < 0 ? PixelShapes::filledOval(w, h)
                                              : PixelShapes::framedOval(w, h, penWidth, penHeight);
    m_entries.insert(m_entries.begin(), Entry{w, h, penWidth, penHeight, std::move(runs)});
    return m_entries.front().runs;
}

const std::vector<PixelRun>& OvalShapeCache::filled(int w, int h) {
    return find(w, h, -1, -1);
}

const std::vector<PixelRun>& OvalShapeCache::framed(int w, int h, int penWidth, int penHeight) {
    return find(w, h, std::max(penWidth, 0), std::max(penHeight, 0));
}

} // namespace morvane
