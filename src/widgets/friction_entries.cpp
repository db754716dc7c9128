#include "widgets/friction_entries.h"

#include "report/file_saving.h"
#include "widgets/platform.h"

#include "print/qt_text.h"

#include <QString>
#include <QStringList>

namespace tensora {

std::filesystem::path user_friction_file(const Platform& platform) {
    return local_path(platform.userFolder()) / std::string(kFrictionLibraryFileName);
}

LoadedLibrary load_friction_library(const Platform& platform) {
    std::vector<std::filesystem::path> folders;
    for (const QString& folder : platform.dataFileFolders()) {
        folders.push_back(local_path(folder));
    }
    return load_friction_library(folders, user_friction_file(platform));
}

bool save_own_entries(const Platform& platform, const FrictionLibrary& library, Message& reason) {
    const std::filesystem::path path = user_friction_file(platform);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return save_whole_file(path, friction_file_text(library.own()), reason);
}

} // namespace tensora
