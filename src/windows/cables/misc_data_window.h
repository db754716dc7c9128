// The cable library as the program holds it: the hidden data window, loaded from the cable
// data file the first time anything refers to it, and kept, never shown, until the program
// ends.
#pragma once

#include "print/qt_text.h"

#include "cables/cable_data.h"
#include "widgets/window_registry.h"

namespace tensora {

inline QString missingDataFileMessage() {
    return UiText::tr("This feature requires a cable datafile be loaded.\n\n"
                      "Cable datafile (cabledat.qx4) could not be found.\n"
                      "You may either manually enter data or place the file\n"
                      "in the same directory as this program and restart.");
}

// The data file is 8-bit text: each byte is one character, whatever the file's lines hold, and
// stays that character in every window that shows it.
inline QString data_file_text(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The places the cable data file is looked for, first match wins.
std::vector<std::filesystem::path> cable_data_candidates(const Platform& platform);

class miscData : public RegisteredWindow<QWidget> {
    Q_OBJECT

public:
    explicit miscData(WindowRegistry& registry);

    void Form_Load();

    // The data revision ("Missing File" when the file did not open).
    QString datarev() const { return data_file_text(data_.revision); }
    const CableData& data() const { return data_; }

private:
    // Reads the file; when it is absent or ends early, the cable selection window offers
    // manual entry only and the user is told once.
    void loaddata();

    CableData data_;
};

} // namespace tensora
