#include "widgets/system_registry.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tensora {
namespace {

#ifdef _WIN32

class WindowsRegistry : public RegistryAccess {
public:
    bool open(std::uint32_t root, const std::string& key_name, std::uint32_t options,
              std::uint32_t access, Key& key) override {
        HKEY handle = nullptr;
        const LONG status =
            RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)), key_name.c_str(),
                          options, static_cast<REGSAM>(access), &handle);
        key = reinterpret_cast<Key>(handle);
        return status == ERROR_SUCCESS;
    }

    bool query(Key key, const std::string& value_name, std::size_t buffer_size, std::uint32_t& type,
               std::string& data) override {
        std::string buffer(buffer_size, '\0');
        DWORD size = static_cast<DWORD>(buffer_size);
        DWORD value_type = 0;
        const LONG status =
            RegQueryValueExA(reinterpret_cast<HKEY>(key), value_name.c_str(), nullptr, &value_type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status != ERROR_SUCCESS) {
            return false;
        }
        type = value_type;
        data = buffer.substr(0, size);
        return true;
    }

    void close(Key key) override {
        if (key != 0) {
            RegCloseKey(reinterpret_cast<HKEY>(key));
        }
    }
};

#else

class NoRegistry : public RegistryAccess {
public:
    bool open(std::uint32_t, const std::string&, std::uint32_t, std::uint32_t, Key&) override {
        return false;
    }
    bool query(Key, const std::string&, std::size_t, std::uint32_t&, std::string&) override {
        return false;
    }
    void close(Key) override {}
};

#endif

} // namespace

std::unique_ptr<RegistryAccess> make_system_registry() {
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<NoRegistry>();
#endif
}

} // namespace tensora
