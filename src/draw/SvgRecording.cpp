#include "draw/SvgRecording.h"

#include "draw/PixelShapes.h"

#include <cstdio>

namespace morvane {
namespace {

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

std::string colour(Color color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(color.rgb & 0xFFFFFF));
    return buffer;
}

// An ellipse as two arcs, so that two of them make a ring under the even-odd rule.
std::string ellipsePath(double cx, double cy, double rx, double ry) {
    return "M" + number(cx - rx) + "," + number(cy) + "a" + number(rx) + "," + number(ry) +
           " 0 1,0 " + number(2 * rx) + ",0a" + number(rx) + "," + number(ry) + " 0 1,0 " +
           number(-2 * rx) + ",0z";
}

void appendEscaped(std::string& out, std::string_view utf8) {
    for (char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // XML 1.0 has no place for the other control characters.
            out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
        }
    }
}

} // namespace

void SvgRecording::begin(int width, int height) {
    m_started = true;
    m_width = width;
    m_height = height;
    m_body.clear();
}

void SvgRecording::line(int x1, int y1, int x2, int y2, int penWidth, int penHeight, Color color) {
    const auto outline = PixelShapes::penSweep(x1, y1, x2, y2, penWidth, penHeight);
    if (outline.empty()) {
        return;
    }
    m_body += "<polygon points=\"";
    for (std::size_t i = 0; i < outline.size(); ++i) {
        m_body += (i == 0 ? "" : " ") + number(outline[i].first) + "," + number(outline[i].second);
    }
    m_body += "\" fill=\"" + colour(color) + "\"/>\n";
}

void SvgRecording::oval(int x, int y, int w, int h, int penWidth, int penHeight, Color color) {
    const double rx = w / 2.0;
    const double ry = h / 2.0;
    const double cx = x + rx;
    const double cy = y + ry;
    const bool ring = penWidth > 0 && 2 * penWidth < w && 2 * penHeight < h;
    if (!ring) {
        m_body += "<ellipse cx=\"" + number(cx) + "\" cy=\"" + number(cy) + "\" rx=\"" +
                  number(rx) + "\" ry=\"" + number(ry) + "\" fill=\"" + colour(color) + "\"/>\n";
        return;
    }
    m_body += "<path d=\"" + ellipsePath(cx, cy, rx, ry) +
              ellipsePath(cx, cy, rx - penWidth, ry - penHeight) + "\" fill=\"" + colour(color) +
              "\" fill-rule=\"evenodd\"/>\n";
}

void SvgRecording::text(int x, int y, int size, std::string_view utf8, Color color) {
    m_body += "<text x=\"" + number(x) + "\" y=\"" + number(y) +
              "\" font-family=\"Helvetica, 'Liberation Sans', Arial, sans-serif\" font-size=\"" +
              number(size) + "\" fill=\"" + colour(color) + "\" xml:space=\"preserve\">";
    appendEscaped(m_body, utf8);
    m_body += "</text>\n";
}

std::string SvgRecording::document() const {
    if (!m_started) {
        return {};
    }
    const std::string width = number(m_width);
    const std::string height = number(m_height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\">\n" +
           m_body + "</svg>\n";
}

} // namespace morvane
