// A column of short texts packed into one buffer: a pull plan's results for tens of thousands
// of links without an allocation per row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

class TextColumn {
public:
    void reserve(std::size_t rows, std::size_t characters) {
        ends_.reserve(rows);
        chars_.reserve(characters);
    }
    void clear() {
        ends_.clear();
        chars_.clear();
    }
    void push_back(std::string_view text) {
        chars_.append(text);
        ends_.push_back(static_cast<std::uint32_t>(chars_.size()));
    }

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }

    std::string_view operator[](std::size_t row) const {
        const std::uint32_t begin = row == 0 ? 0 : ends_[row - 1];
        return std::string_view(chars_).substr(begin, ends_[row] - begin);
    }

    std::vector<std::string> to_vector() const {
        std::vector<std::string> list;
        list.reserve(size());
        for (std::size_t row = 0; row < size(); ++row) {
            list.emplace_back((*this)[row]);
        }
        return list;
    }

private:
    std::string chars_;
    std::vector<std::uint32_t> ends_;
};

} // namespace tensora
