#include "draw/SvgRecording.h"

#include "draw/PixelShapes.h"

#include <charconv>

namespace morvane {
namespace {

// Appends numbers and colours in place: a diagram may record many thousand points.
class Out {
public:
    explicit Out(std::string& text) : m_text(text) {}

    Out& operator<<(std::string_view part) {
        m_text.append(part);
        return *this;
    }
    // Shortest exact form; coordinates are whole or half pixels.
    Out& operator<<(double value) {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        m_text.append(buffer, result.ptr);
        return *this;
    }
    Out& operator<<(Color color) {
        constexpr char digits[] = "0123456789abcdef";
        m_text.push_back('#');
        for (int shift = 20; shift >= 0; shift -= 4) {
            m_text.push_back(digits[(color.rgb >> shift) & 0xF]);
        }
        return *this;
    }

private:
    std::string& m_text;
};

// An ellipse as two arcs, so that two of them make a ring under the even-odd rule.
void ellipsePath(Out& out, double cx, double cy, double rx, double ry) {
    out << "M" << cx - rx << "," << cy << "a" << rx << "," << ry << " 0 1,0 " << 2 * rx << ",0a"
        << rx << "," << ry << " 0 1,0 " << -2 * rx << ",0z";
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
    Out out(m_body);
    out << "<polygon points=\"";
    for (std::size_t i = 0; i < outline.size(); ++i) {
        out << (i == 0 ? "" : " ") << outline[i].first << "," << outline[i].second;
    }
    out << "\" fill=\"" << color << "\"/>\n";
}

void SvgRecording::oval(int x, int y, int w, int h, int penWidth, int penHeight, Color color) {
    const double rx = w / 2.0;
    const double ry = h / 2.0;
    const double cx = x + rx;
    const double cy = y + ry;
    Out out(m_body);
    const bool ring = penWidth > 0 && 2 * penWidth < w && 2 * penHeight < h;
    if (!ring) {
        out << "<ellipse cx=\"" << cx << "\" cy=\"" << cy << "\" rx=\"" << rx << "\" ry=\"" << ry
            << "\" fill=\"" << color << "\"/>\n";
        return;
    }
    out << "<path d=\"";
    ellipsePath(out, cx, cy, rx, ry);
    ellipsePath(out, cx, cy, rx - penWidth, ry - penHeight);
    out << "\" fill=\"" << color << "\" fill-rule=\"evenodd\"/>\n";
}

void SvgRecording::text(int x, int y, int size, std::string_view utf8, Color color) {
    Out out(m_body);
    out << "<text x=\"" << x << "\" y=\"" << y
        << "\" font-family=\"Helvetica, 'Liberation Sans', Arial, sans-serif\" font-size=\"" << size
        << "\" fill=\"" << color << "\" xml:space=\"preserve\">";
    appendEscaped(m_body, utf8);
    m_body += "</text>\n";
}

std::string SvgRecording::document() const {
    if (!m_started) {
        return {};
    }
    std::string document;
    document.reserve(m_body.size() + 256);
    Out out(document);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << m_width
        << "\" height=\"" << m_height << "\" viewBox=\"0 0 " << m_width << " " << m_height
        << "\">\n"
        << m_body << "</svg>\n";
    return document;
}

} // namespace morvane
