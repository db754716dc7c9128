// tensora-cli equipment: the puller, the rope, the sheaves and the capstan checked against a
// plan given as `pull` takes it.
#pragma once

#include "cli/cli.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tensora {

void run_equipment_command(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err, const CliServices& services);

} // namespace tensora
