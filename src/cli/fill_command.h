// tensora-cli fill: the fill ratio calculator from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tensora {

// Runs `fill` with its arguments (those after the command word); a command line that cannot
// be run throws CliRefusal before anything is printed.
void run_fill_command(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err);

} // namespace tensora
