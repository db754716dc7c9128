#include "help/system_info.h"

namespace tensora {

bool GetKeyValue(RegistryAccess& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    RegistryAccess::Key key = 0;
    bool read = false;
    std::uint32_t type = 0;
    std::string data;
    if (registry.open(KeyRoot, KeyName, 0, kKeyAccess, key) &&
        registry.query(key, SubKeyRef, kValueBufferSize, type, data)) {
        read = true;
        if (type == kNumberValue && data.size() >= 4) {
            // The exact number, from its four bytes, least significant first.
            std::uint32_t number = 0;
            for (int i = 3; i >= 0; --i) {
                number =
                    (number << 8) | static_cast<unsigned char>(data[static_cast<std::size_t>(i)]);
            }
            KeyVal = std::to_string(number);
        } else if (type == kTextValue) {
            KeyVal = data.substr(0, data.find('\0'));
        }
    } else {
        KeyVal.clear();
    }
    registry.close(key);
    return read;
}

std::optional<std::string>
system_info_path(RegistryAccess& registry,
                 const std::function<bool(const std::string&)>& file_exists) {
    std::string value;
    if (GetKeyValue(registry, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                    "PATH", value)) {
        return value; // started as it is: a missing file fails when it is started
    }
    if (GetKeyValue(registry, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                    "MSINFO", value)) {
        const std::string path = value + "\\MSINFO32.EXE";
        if (file_exists(path)) {
            return path;
        }
    }
    return std::nullopt;
}

} // namespace tensora
