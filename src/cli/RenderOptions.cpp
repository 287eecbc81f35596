#include "cli/RenderOptions.h"

#include <charconv>
#include <string_view>

namespace morvane::cli {
namespace {

bool parseInt(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool parseSize(std::string_view text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    return x != std::string_view::npos && parseInt(text.substr(0, x), width) &&
           parseInt(text.substr(x + 1), height) && width > 0 && height > 0 && width <= 20000 &&
           height <= 20000;
}

bool parseAngles(std::string_view text, int (&angles)[3]) {
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = text.find(',');
        if ((i < 2) == (comma == std::string_view::npos)) {
            return false;
        }
        if (!parseInt(text.substr(0, comma), angles[i]) || angles[i] < -360 || angles[i] > 360) {
            return false;
        }
        text = i < 2 ? text.substr(comma + 1) : std::string_view();
    }
    return true;
}

bool parseColor(std::string_view text, std::uint32_t& color) {
    if (!text.empty() && text[0] == '#') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), color, 16);
    return text.size() == 6 && error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::optional<RenderOptions> parseRenderOptions(std::span<const std::string> args,
                                                std::string& error) {
    RenderOptions options;
    bool kindGiven = false;
    // The first option given that only one of the diagrams has: the other would ignore it.
    std::string tetrahedronOption;
    std::string triangleOption;
    const auto note = [&](std::string& first, const std::string& option) {
        if (first.empty()) {
            first = option;
        }
    };
    const auto fail = [&](std::string message) -> std::optional<RenderOptions> {
        error = std::move(message);
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string* {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        if (arg == "--3d" || arg == "--2d") {
            options.kind =
                arg == "--3d" ? RenderOptions::Kind::Tetrahedron : RenderOptions::Kind::Triangle;
            kindGiven = true;
        } else if (arg == "-o" || arg == "--output") {
            const std::string* path = value();
            if (!path) {
                return fail("-o needs the output file (.png, .pict, .svg)");
            }
            options.output = *path;
        } else if (arg == "--size") {
            const std::string* size = value();
            if (!size || !parseSize(*size, options.width, options.height)) {
                return fail("--size needs WIDTHxHEIGHT in pixels, each 1 to 20000, e.g. 637x486");
            }
        } else if (arg == "--circle") {
            const std::string* circle = value();
            if (!circle || !parseInt(*circle, options.circle) || options.circle < 0 ||
                options.circle > 1000) {
                return fail("--circle needs a point diameter in pixels from 0 to 1000");
            }
        } else if (arg == "--angles") {
            note(tetrahedronOption, arg);
            const std::string* angles = value();
            if (!angles || !parseAngles(*angles, options.angles)) {
                return fail("--angles needs three whole degrees W1,W2,W3 from -360 to 360, "
                            "e.g. 55,45,90");
            }
        } else if (arg == "--projection") {
            note(tetrahedronOption, arg);
            const std::string* which = value();
            if (!which || !parseInt(*which, options.projection) || options.projection < 0 ||
                options.projection > 4) {
                return fail("--projection needs 0 (none) or a face 1-4 (ABC, BCD, ACD, ABD)");
            }
        } else if (arg == "--projection-color") {
            note(tetrahedronOption, arg);
            const std::string* color = value();
            if (!color || !parseColor(*color, options.projectionColor)) {
                return fail("--projection-color needs a colour RRGGBB in hexadecimal, e.g. FF0000");
            }
        } else if (arg == "--face") {
            note(triangleOption, arg);
            const std::string* face = value();
            if (!face || !parseInt(*face, options.face) || options.face < 0 || options.face > 3) {
                return fail("--face needs 0 (ABC), 1 (BCD), 2 (CDA) or 3 (DAB)");
            }
        } else if (arg == "--no-points") {
            options.points = false;
        } else if (arg == "--no-labels") {
            options.labels = false;
        } else if (arg == "--no-lines") {
            note(tetrahedronOption, arg);
            options.lines = false;
        } else if (arg == "--no-grid") {
            note(triangleOption, arg);
            options.grid = false;
        } else if (arg == "--no-border") {
            note(triangleOption, arg);
            options.border = false;
        } else if (arg == "--smooth") {
            options.smooth = true;
        } else if (arg.starts_with("-")) {
            return fail("unknown option " + arg);
        } else if (options.input.empty()) {
            options.input = arg;
        } else {
            return fail("only one measurement file, please (got " + options.input + " and " + arg +
                        ")");
        }
    }
    if (options.input.empty()) {
        return fail("which file? usage: morvane render FILE --3d|--2d [options] -o OUT");
    }
    if (!kindGiven) {
        return fail("choose the diagram: --3d (tetrahedron) or --2d (triangle of one face)");
    }
    const bool tetrahedron = options.kind == RenderOptions::Kind::Tetrahedron;
    if (const std::string& foreign = tetrahedron ? triangleOption : tetrahedronOption;
        !foreign.empty()) {
        return fail(foreign + (tetrahedron ? " belongs to --2d, not to --3d"
                                           : " belongs to --3d, not to --2d"));
    }
    if (options.output.empty()) {
        return fail("where to? give the picture file with -o OUT.png (or .pict, .svg)");
    }
    if (options.width == 0) {
        options.width = tetrahedron ? defaultTetrahedronWidth : defaultTriangleWidth;
        options.height = tetrahedron ? defaultTetrahedronHeight : defaultTriangleHeight;
    }
    return options;
}

} // namespace morvane::cli
