// The system registry as the platform has it: the Windows registry on Windows, an empty one
// (every key missing) elsewhere.
#pragma once

#include "help/system_info.h"

#include <memory>

namespace tensora {

std::unique_ptr<RegistryAccess> make_system_registry();

} // namespace tensora
