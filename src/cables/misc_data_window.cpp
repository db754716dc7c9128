#include "cables/misc_data_window.h"

#include "cables/max_pull_window.h"

namespace tensora {

miscData::miscData(WindowRegistry& registry) : RegisteredWindow<QWidget>(registry) {
    setObjectName(QStringLiteral("miscData"));
    Form_Load();
}

void miscData::Form_Load() {
    setWindowTitle(kApplicationTitle + QStringLiteral(" - Data File (hidden)"));
    loaddata();
}

void miscData::loaddata() {
    std::vector<std::filesystem::path> candidates;
    const std::string name(kCableDataFileName);
    for (const QString& folder : platform().dataFileFolders()) {
        candidates.push_back(std::filesystem::path(folder.toStdString()) / name);
    }
    data_ = load_cable_data(candidates);
    if (!data_.complete) {
        registry().get<MaxPull>().hideCableSelection();
        // Never shown itself, the data window lets the window the user works in own the box.
        platform().message(nullptr, kMissingDataFileMessage);
    }
}

} // namespace tensora
