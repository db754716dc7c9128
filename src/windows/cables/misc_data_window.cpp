#include "windows/cables/misc_data_window.h"

#include "print/qt_text.h"
#include "windows/cables/max_pull_window.h"

namespace tensora {

miscData::miscData(WindowRegistry& registry) : RegisteredWindow<QWidget>(registry) {
    setObjectName(QStringLiteral("miscData"));
    Form_Load();
}

void miscData::Form_Load() {
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Data File (hidden)"));
    loaddata();
}

std::vector<std::filesystem::path> cable_data_candidates(const Platform& platform) {
    std::vector<std::filesystem::path> candidates;
    const std::string name(kCableDataFileName);
    for (const QString& folder : platform.dataFileFolders()) {
        candidates.push_back(local_path(folder) / name);
    }
    return candidates;
}

void miscData::loaddata() {
    data_ = load_cable_data(cable_data_candidates(platform()));
    if (!data_.complete) {
        registry().get<MaxPull>().hideCableSelection();
        // Never shown itself, the data window lets the window the user works in own the box.
        platform().message(nullptr, missingDataFileMessage());
    }
}

} // namespace tensora
