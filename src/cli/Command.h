#pragma once

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::cli {

// One `morvane <name> ...` entry. run() gets the arguments after the name and returns the exit
// code; output goes to out, error lines to err.
struct Command {
    std::string_view name;
    std::string_view usage;   // "list FILE [--normalised]"
    std::string_view summary; // one or two lines for --help
    std::function<int(std::span<const std::string> args, std::ostream& out, std::ostream& err)> run;
};

// Every command, in the order --help lists them.
const std::vector<Command>& commands();

// Runs `morvane` with argv[1..]: a command, or --help. Returns the exit code, or -1 when the
// arguments are not a command (no arguments, or only file names: the graphical program).
int dispatch(std::span<const std::string> args, std::ostream& out, std::ostream& err);

void printHelp(std::ostream& out);

// The commands of this folder.
int listCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int convertCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace morvane::cli
