#include "app/Program.h"
#include "cli/Command.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Without a display the windows cannot be shown: say so and list the files instead.
int listWithoutDisplay(const std::vector<std::string>& files) {
    std::cerr << "morvane: no display to show the windows on (DISPLAY is not set); "
                 "listing the files instead\n";
    if (files.empty()) {
        morvane::cli::printHelp(std::cout);
        return 0;
    }
    int worst = 0;
    for (const std::string& file : files) {
        const std::vector<std::string> listArgs{file};
        worst = std::max(worst, morvane::cli::listCommand(listArgs, std::cout, std::cerr));
    }
    return worst;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = morvane::cli::dispatch(args, std::cout, std::cerr);
    if (code >= 0) {
        return code;
    }
    // Not a command: the graphical program, with the files to open.
    if (!morvane::canShowWindows()) {
        return listWithoutDisplay(args);
    }
    return morvane::runProgram(argc, argv);
}
