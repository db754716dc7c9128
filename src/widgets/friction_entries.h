// The friction library as the windows find it: the shipped file among the cable data's
// folders, and the user's own entries in the user's settings folder.
#pragma once

#include "cables/friction_library.h"

#include <filesystem>

namespace tensora {

class Platform;

// Where the user's own entries are kept.
std::filesystem::path user_friction_file(const Platform& platform);

LoadedLibrary load_friction_library(const Platform& platform);

// Writes the user's own entries whole (the file before stays whole when it fails); false with
// the reason when it cannot.
bool save_own_entries(const Platform& platform, const FrictionLibrary& library, Message& reason);

} // namespace tensora
