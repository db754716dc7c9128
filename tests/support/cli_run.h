// A command line run as the program runs it, its exit status and both streams kept.
#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace tensora::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun run_command_line(const std::vector<std::string>& arguments,
                               const CliServices& services = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_cli(arguments, out, err, services);
    return {status, out.str(), err.str()};
}

} // namespace tensora::test
