#include "report/file_saving.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

namespace tensora {
namespace {

namespace fs = std::filesystem;

// The most symbolic links followed on the way to a file, as the system itself allows.
constexpr int kMostLinks = 40;

// The system's own words for an error, as it gives them.
Message system_reason(int error) {
    return error != 0 ? data_message(std::strerror(error))
                      : Message(TENSORA_TEXT("Files", "the file could not be written"));
}

Message kind_refusal(const fs::file_status& status) {
    if (fs::is_directory(status)) {
        return TENSORA_TEXT("Files", "it is a folder, not a file");
    }
    return TENSORA_TEXT("Files", "it is not a regular file (a device, a pipe or a socket), so "
                                 "nothing is written there");
}

// A name for the new file beside the target that no file has yet: hidden, and unlikely to
// be taken, since it ends in a random number.
fs::path temporary_name(const fs::path& target, std::mt19937_64& random) {
    std::string name(1, '.');
    name += target.filename().string();
    name += '.';
    name += std::to_string(random() % 100000000);
    name += ".saving";
    return target.parent_path() / name;
}

} // namespace

SavePlace save_place(const fs::path& path) {
    SavePlace place;
    if (path.empty()) {
        place.refusal = TENSORA_TEXT("Files", "no file name was given");
        return place;
    }
    std::error_code error;
    fs::path target = fs::absolute(path, error);
    if (error) {
        place.refusal = data_message(error.message());
        return place;
    }
    // Through symbolic links to the file they name: that file gets the content, the links
    // stay as they are.
    for (int hops = 0;; ++hops) {
        const fs::file_status link = fs::symlink_status(target, error);
        if (!fs::is_symlink(link)) {
            break;
        }
        if (hops == kMostLinks) {
            place.refusal = TENSORA_TEXT("Files", "too many symbolic links lead to it");
            return place;
        }
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            place.refusal = data_message(error.message());
            return place;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    const fs::file_status status = fs::status(target, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        place.refusal = kind_refusal(status);
        return place;
    }
    if (target.filename().empty()) {
        place.refusal = TENSORA_TEXT("Files", "it names a folder, not a file");
        return place;
    }
    const fs::file_status folder = fs::status(target.parent_path(), error);
    if (!fs::is_directory(folder)) {
        place.refusal = Message(TENSORA_TEXT("Files", "the folder %1 does not exist"))
                            .data(target.parent_path().string());
        return place;
    }
    place.target = target.lexically_normal();
    return place;
}

WholeFileSave::~WholeFileSave() {
    discard();
}

void WholeFileSave::discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
        temporary_.clear();
    }
}

bool WholeFileSave::open(const fs::path& path, Message& reason) {
    discard();
    const SavePlace place = save_place(path);
    if (!place.ok()) {
        reason = place.refusal;
        return false;
    }
    target_ = place.target;
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
        const fs::path name = temporary_name(target_, random);
        errno = 0;
        // "x": created here and now, never an existing file or a link planted under its name.
        file_ = std::fopen(name.c_str(), "wbx");
        if (file_) {
            temporary_ = name;
        } else if (errno != EEXIST) {
            reason = system_reason(errno);
            return false;
        }
    }
    if (!file_) {
        reason = TENSORA_TEXT("Files", "no new file could be made in its folder");
        return false;
    }
    // The file keeps the permissions it had (a private report stays private).
    std::error_code error;
    const fs::file_status existing = fs::status(target_, error);
    if (fs::is_regular_file(existing)) {
        fs::permissions(temporary_, existing.permissions(), fs::perm_options::replace, error);
    }
    return true;
}

bool WholeFileSave::write(std::string_view bytes, Message& reason) {
    if (!file_) {
        reason = TENSORA_TEXT("Files", "the file is not open");
        return false;
    }
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        reason = system_reason(errno);
        discard();
        return false;
    }
    return true;
}

bool WholeFileSave::commit(Message& reason) {
    if (!file_) {
        reason = TENSORA_TEXT("Files", "the file is not open");
        return false;
    }
    errno = 0;
    const bool flushed = std::fflush(file_) == 0;
    const int flush_error = errno;
    const bool closed = std::fclose(file_) == 0;
    const int close_error = errno;
    file_ = nullptr;
    if (!flushed || !closed) {
        reason = system_reason(!flushed ? flush_error : close_error);
        discard();
        return false;
    }
    std::error_code error;
    fs::rename(temporary_, target_, error);
    if (error) {
        reason = data_message(error.message());
        discard();
        return false;
    }
    temporary_.clear();
    return true;
}

bool save_whole_file(const fs::path& path, std::string_view bytes, Message& reason) {
    WholeFileSave save;
    return save.open(path, reason) && save.write(bytes, reason) && save.commit(reason);
}

} // namespace tensora
