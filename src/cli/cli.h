// tensora-cli: the calculators for scripts and spreadsheets. Arguments are read as the
// windows read their boxes, in an English locale; results are printed as the windows show
// them; the windows' warnings go to the error stream.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tensora {

// Runs one command line (without the program name). Returns the exit status: 0 on success,
// 2 for a command line that cannot be run.
int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace tensora
