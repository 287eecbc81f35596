#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace morvane::cli {

// Settings of `morvane render`, as parsed from the command line.
struct RenderOptions {
    enum class Kind { Tetrahedron, Triangle };

    std::string input;
    std::string output;
    Kind kind = Kind::Tetrahedron;
    int width = 0; // 0: the default size of the kind
    int height = 0;
    int circle = 12; // kreisdicke
    bool points = true;
    bool labels = true;
    bool smooth = false;
    // Tetrahedron only.
    int angles[3] = {0, 0, 0};
    int projection = 0;                // 0 none, 1 ABC, 2 BCD, 3 ACD, 4 ABD
    std::uint32_t projectionColor = 0; // 0xRRGGBB
    bool lines = true;
    // Triangle only.
    int face = 0; // 0 ABC, 1 BCD, 2 CDA, 3 DAB
    bool grid = true;
    bool border = true;
};

// The default picture sizes: the graph windows' initial canvases.
inline constexpr int defaultTetrahedronWidth = 637;
inline constexpr int defaultTetrahedronHeight = 486;
inline constexpr int defaultTriangleWidth = 625;
inline constexpr int defaultTriangleHeight = 449;

// Parses the arguments after "render"; on a mistake returns nothing and sets `error` to one
// readable line.
std::optional<RenderOptions> parseRenderOptions(std::span<const std::string> args,
                                                std::string& error);

} // namespace morvane::cli
