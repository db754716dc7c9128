#include "pullplan/pull_plan_links.h"

namespace tensora {

PullLinkValues PullPlanLinks::read(std::size_t row) const {
    return read_link({types_[row], lengths_[row], angles_[row], numbers_[row], inclined_[row] != 0},
                     locale_, units_);
}

std::string PullPlanLinks::lengthIn(std::size_t row, UnitSystem units) const {
    return text_in_other_units(lengths_[row], row < memos_.size() ? memos_[row] : SwitchMemo{},
                               Quantity::Length, units_, units, locale_);
}

void PullPlanLinks::switchUnits(UnitSystem to) {
    if (to == units_) {
        return;
    }
    memos_.resize(size());
    for (std::size_t row = 0; row < size(); ++row) {
        lengths_[row] =
            switched_text(lengths_[row], memos_[row], Quantity::Length, units_, to, locale_);
    }
    units_ = to;
    for (std::size_t row = 0; row < size(); ++row) {
        values_[row] = read(row);
    }
}

bool PullPlanLinks::append(std::string type, std::string length, std::string angle, bool inclined) {
    if (full()) {
        return false;
    }
    types_.push_back(std::move(type));
    lengths_.push_back(std::move(length));
    angles_.push_back(std::move(angle));
    inclined_.push_back(inclined ? 1 : 0);
    numbers_.push_back(std::to_string(size()));
    values_.push_back(read(size() - 1));
    return true;
}

bool PullPlanLinks::insert(std::size_t row, std::string type, std::string length, std::string angle,
                           bool inclined) {
    if (full() || row > size()) {
        return false;
    }
    const auto at = static_cast<std::ptrdiff_t>(row);
    numbers_.push_back(std::to_string(size() + 1));
    types_.insert(types_.begin() + at, std::move(type));
    lengths_.insert(lengths_.begin() + at, std::move(length));
    angles_.insert(angles_.begin() + at, std::move(angle));
    inclined_.insert(inclined_.begin() + at, inclined ? 1 : 0);
    values_.insert(values_.begin() + at, read(row));
    if (row < memos_.size()) {
        memos_.insert(memos_.begin() + at, SwitchMemo{});
    }
    return true;
}

void PullPlanLinks::remove(std::size_t row) {
    if (row >= size()) {
        return;
    }
    const auto at = static_cast<std::ptrdiff_t>(row);
    types_.erase(types_.begin() + at);
    lengths_.erase(lengths_.begin() + at);
    angles_.erase(angles_.begin() + at);
    inclined_.erase(inclined_.begin() + at);
    numbers_.erase(numbers_.begin() + at);
    values_.erase(values_.begin() + at);
    if (row < memos_.size()) {
        memos_.erase(memos_.begin() + at);
    }
    for (std::size_t i = 0; i < size(); ++i) {
        numbers_[i] = std::to_string(i + 1);
    }
}

void PullPlanLinks::clear() {
    types_.clear();
    lengths_.clear();
    angles_.clear();
    inclined_.clear();
    numbers_.clear();
    values_.clear();
    memos_.clear();
}

void PullPlanLinks::set(std::size_t row, std::string type, std::string length, std::string angle,
                        std::string number, bool inclined) {
    if (row > size() || (row == size() && full())) {
        return;
    }
    if (row == size()) {
        types_.emplace_back();
        lengths_.emplace_back();
        angles_.emplace_back();
        inclined_.emplace_back();
        numbers_.emplace_back();
        values_.emplace_back();
    }
    types_[row] = std::move(type);
    lengths_[row] = std::move(length);
    angles_[row] = std::move(angle);
    inclined_[row] = inclined ? 1 : 0;
    numbers_[row] = std::move(number);
    values_[row] = read(row);
}

void PullPlanLinks::setFromReport(std::size_t row, std::string type, const std::string& feet,
                                  std::string angle, std::string number, bool inclined) {
    SwitchMemo memo;
    std::string length =
        switched_text(feet, memo, Quantity::Length, UnitSystem::InchPound, units_, locale_);
    set(row, std::move(type), std::move(length), std::move(angle), std::move(number), inclined);
    if (row < size() && units_ != UnitSystem::InchPound) {
        memos_.resize(size());
        memos_[row] = memo;
    }
}

void PullPlanLinks::calculate(const PullSettings& settings, PullResults& results) const {
    const bool chosen =
        settings.selected >= 0 && static_cast<std::size_t>(settings.selected) < size();
    calculate_pull(values_, chosen ? std::string_view(numbers_[settings.selected]) : "", settings,
                   results);
}

void PullPlanLinks::calculate(const PullSettingsTexts& texts, PullResults& results) const {
    calculate(read_pull_settings(texts, locale_, units_), results);
}

} // namespace tensora
