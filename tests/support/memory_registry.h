// A system registry in memory for the tests: keys and typed values set by the test, and a
// record of how they were asked for.
#pragma once

#include "help/system_info.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tensora::test {

class MemoryRegistry : public RegistryAccess {
public:
    struct Value {
        std::uint32_t type;
        std::string data;
    };

    void set(const std::string& key, const std::string& name, Value value) {
        keys_.insert(key);
        values_[{key, name}] = std::move(value);
    }

    bool open(std::uint32_t root, const std::string& key_name, std::uint32_t options,
              std::uint32_t access, Key& key) override {
        roots.insert(root);
        options_seen.insert(options);
        access_seen.insert(access);
        if (!keys_.contains(key_name)) {
            return false;
        }
        names_.push_back(key_name);
        key = names_.size();
        ++open_keys;
        return true;
    }

    bool query(Key key, const std::string& value_name, std::size_t buffer_size, std::uint32_t& type,
               std::string& data) override {
        buffer_sizes.insert(buffer_size);
        const auto found = values_.find({names_.at(key - 1), value_name});
        if (found == values_.end() || found->second.data.size() > buffer_size) {
            return false;
        }
        type = found->second.type;
        data = found->second.data;
        return true;
    }

    void close(Key key) override {
        if (key != 0) {
            --open_keys;
        }
    }

    std::set<std::uint32_t> roots;
    std::set<std::uint32_t> options_seen;
    std::set<std::uint32_t> access_seen;
    std::set<std::size_t> buffer_sizes;
    int open_keys = 0;

private:
    std::set<std::string> keys_;
    std::map<std::pair<std::string, std::string>, Value> values_;
    std::vector<std::string> names_;
};

} // namespace tensora::test
