#include "cli/Command.h"

#include "cli/RenderCommand.h"

#include <ostream>

namespace morvane::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> all{
        {"list", "list FILE [--normalised]",
         "Prints the rows of a measurement file as the data window lists them: a line of\n"
         "headings, then one tab-separated line per row (decimal comma). --normalised adds the\n"
         "normalised components in percent and their sum.",
         listCommand},
        {"convert", "convert IN OUT",
         "Reads IN and writes it to OUT as \"Save as...\" does (header unchanged, six fields per\n"
         "row, shortest exact numbers). OUT is replaced only after it was written completely.",
         convertCommand},
        {"render",
         "render FILE --3d|--2d [--size WxH] [--circle N] [--no-points] [--no-labels]\n"
         "         [--smooth] -o OUT",
         "Draws a diagram of the file into a picture, by the extension of OUT: .png, or the\n"
         "vector recording as .pict or .svg. Default size 637x486 (3D), 625x449 (2D).\n"
         "--3d: [--angles W1,W2,W3] [--projection 0-4] [--projection-color RRGGBB] [--no-lines]\n"
         "--2d: [--face 0-3] [--no-grid] [--no-border]",
         renderCommand},
    };
    return all;
}

void printHelp(std::ostream& out) {
    out << "Morvane: four-component measurement data in a rotatable tetrahedron and on its faces.\n"
           "\n"
           "Usage:\n"
           "  morvane [FILE...]          open the files in the graphical program\n";
    for (const Command& command : commands()) {
        out << "  morvane " << command.usage << '\n';
    }
    out << "  morvane --help             this text\n\nCommands:\n";
    for (const Command& command : commands()) {
        out << "  " << command.name << ":\n";
        std::string_view text = command.summary;
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            out << "    " << text.substr(0, end) << '\n';
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        }
    }
    out << "\nMeasurement files are tab-separated text: a header line naming the four components,\n"
           "then per sample: number, four values with decimal comma, colour index 0-15.\n";
}

int dispatch(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        return -1;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(out);
        return 0;
    }
    for (const Command& command : commands()) {
        if (args[0] == command.name) {
            return command.run(args.subspan(1), out, err);
        }
    }
    if (args[0].starts_with("-")) {
        err << "morvane: unknown option " << args[0] << " (see morvane --help)\n";
        return 2;
    }
    return -1;
}

} // namespace morvane::cli
