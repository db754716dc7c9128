// tensora-cli check: the pull check of several cables in one conduit, on a plan given as
// `pull` takes it.
#pragma once

#include "cli/cli.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tensora {

// Runs `check` with its arguments (those after the command word); a command line that cannot
// be run throws CliRefusal before anything is printed.
void run_check_command(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err, const CliServices& services);

// Runs `compare`: the plan as `pull` takes it (and the pull check's conduit and cables where
// --conduit-id is given) under each --option, one line per option and the best.
void run_compare_command(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err, const CliServices& services);

} // namespace tensora
