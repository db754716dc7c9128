// tensora-cli pullbox: the least size of a pull or junction box from the trade sizes of the
// conduits entering one wall.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tensora {

// Runs `pullbox KIND SIZE...`; a command line that cannot be run throws CliRefusal before
// anything is printed.
void run_pullbox_command(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err);

} // namespace tensora
