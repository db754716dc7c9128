// tensora-cli job: a job of many pulls from its file, built up by scripts one pull at a time;
// its schedule and the cable to order.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tensora {

// Runs `job FILE ...`: a command line that cannot be run throws CliRefusal before anything is
// written; a pull that fails its check throws CliFailure once everything is printed.
struct CliServices;
void run_job_command(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err, const CliServices& services);

} // namespace tensora
