// tensora-cli advise: which end to pull from and where a mid-assist point helps most, for a
// plan given as `pull` takes it.
#pragma once

#include "cli/cli.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tensora {

// Runs `advise` with its arguments (those after the command word); a command line that cannot
// be run throws CliRefusal before anything is printed.
void run_advise_command(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err, const CliServices& services);

} // namespace tensora
