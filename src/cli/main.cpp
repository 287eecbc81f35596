#include "cli/Command.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = morvane::cli::dispatch(args, std::cout, std::cerr);
    if (code >= 0) {
        return code;
    }
    // Not a command: file names for the graphical program, which does not exist yet; list the
    // files instead so that the main job shows something useful.
    if (args.empty()) {
        morvane::cli::printHelp(std::cout);
        return 0;
    }
    int worst = 0;
    for (const std::string& file : args) {
        const std::vector<std::string> listArgs{file};
        worst = std::max(worst, morvane::cli::listCommand(listArgs, std::cout, std::cerr));
    }
    return worst;
}
