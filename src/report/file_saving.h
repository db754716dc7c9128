// Saving a file so that a save never damages what is there: the new content goes to a new
// file beside the target, which replaces the target only once it is whole; what is not a
// regular file (a folder, a device, a pipe) is never written over; a symbolic link keeps
// pointing at the file it names, which gets the new content; the file keeps its permissions.
#pragma once

#include "numbers/message.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tensora {

// Where a save of `path` writes (the file a symbolic link finally names), or why nothing can
// be saved there: an empty name, a target that exists but is not a regular file, a folder
// that does not exist.
struct SavePlace {
    std::filesystem::path target;
    Message refusal; // empty when the place can take the file
    bool ok() const { return refusal.empty(); }
};
SavePlace save_place(const std::filesystem::path& path);

// One file being saved: open() checks the place and creates the new file beside the target,
// write() fills it, commit() puts it in the target's place. A save that is not committed
// leaves the target as it was and its new file is removed.
class WholeFileSave {
public:
    WholeFileSave() = default;
    ~WholeFileSave();
    WholeFileSave(const WholeFileSave&) = delete;
    WholeFileSave& operator=(const WholeFileSave&) = delete;

    bool open(const std::filesystem::path& path, Message& reason);
    bool write(std::string_view bytes, Message& reason);
    bool commit(Message& reason);

private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
};

// The three steps at once: false with the reason when any fails, the target then as it was.
bool save_whole_file(const std::filesystem::path& path, std::string_view bytes, Message& reason);

} // namespace tensora
