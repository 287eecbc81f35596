#pragma once

#include "cli/Command.h"

#include <sstream>
#include <string>
#include <vector>

namespace morvane::test {

// What `morvane ARGS` printed and returned, run in this process.
struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome runMorvane(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::dispatch(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace morvane::test
