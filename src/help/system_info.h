// Where the System Information tool is: two lookups in the system registry, as the About box
// makes them. The registry itself is the platform's; tests give an in-memory one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tensora {

// Read access to a registry of keys and typed values (HKEY_LOCAL_MACHINE and the like).
class RegistryAccess {
public:
    using Key = std::uintptr_t;

    virtual ~RegistryAccess() = default;

    // Opens a key under a root with the given options and access mask; false when it cannot.
    virtual bool open(std::uint32_t root, const std::string& key_name, std::uint32_t options,
                      std::uint32_t access, Key& key) = 0;
    // Reads a value into a buffer of `buffer_size` bytes: its type and its bytes as stored.
    // False when the value is missing or longer than the buffer.
    virtual bool query(Key key, const std::string& value_name, std::size_t buffer_size,
                       std::uint32_t& type, std::string& data) = 0;
    // Closes a key; closing one that did not open is harmless.
    virtual void close(Key key) = 0;
};

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;
// Standard read rights with the six specific key rights: query, set, create subkey,
// enumerate, notify, create link.
inline constexpr std::uint32_t kKeyAccess = 0x2003F;
inline constexpr std::size_t kValueBufferSize = 1024;
inline constexpr std::uint32_t kTextValue = 1;   // REG_SZ
inline constexpr std::uint32_t kNumberValue = 4; // REG_DWORD

// Reads one value: a text value up to its first zero character, a 32-bit number as its exact
// decimal text; a value of another type leaves KeyVal as it was. True when the value was read;
// false, with KeyVal empty, when the key or the value cannot be read.
bool GetKeyValue(RegistryAccess& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// The System Information tool's path: the registered path itself, else the registered folder
// followed by "\MSINFO32.EXE" when that file exists; nothing when neither holds.
std::optional<std::string>
system_info_path(RegistryAccess& registry,
                 const std::function<bool(const std::string&)>& file_exists);

// Where there is no such registry (or no tool registered in it): system information viewers
// that may be installed, in the order they are tried.
inline constexpr std::string_view kSystemInfoViewers[] = {"kinfocenter", "hardinfo2", "hardinfo",
                                                          "gnome-system-monitor"};

} // namespace tensora
