// tensora-cli pull: the pull planner from the command line.
#pragma once

#include "cli/cli.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tensora {

// Runs `pull` with its arguments (those after the command word); a command line that cannot
// be run throws CliRefusal before anything is printed.
void run_pull_command(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err, const CliServices& services);

} // namespace tensora
