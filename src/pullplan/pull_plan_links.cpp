#include "pullplan/pull_plan_links.h"

namespace tensora {

PullLinkValues PullPlanLinks::read(std::size_t row) const {
    return read_link(texts(row), locale_, units_);
}

PullLinkTexts PullPlanLinks::texts(std::size_t row) const {
    return {types_[row],       lengths_[row], angles_[row],      numbers_[row], inclined_[row] != 0,
            right_[row] != 0, tilts_[row],   sheave_[row] != 0, raceways_[row]};
}

LinkRaceway PullPlanLinks::racewayIn(std::size_t row, UnitSystem units) const {
    LinkRaceway raceway = raceways_[row];
    raceway.id =
        text_in_other_units(raceway.id, row < id_memos_.size() ? id_memos_[row] : SwitchMemo{},
                            Quantity::Diameter, units_, units, locale_);
    return raceway;
}

void PullPlanLinks::setRaceway(std::size_t row, LinkRaceway raceway) {
    if (row >= size()) {
        return;
    }
    raceways_[row] = std::move(raceway);
    if (row < id_memos_.size()) {
        id_memos_[row] = SwitchMemo{};
    }
    values_[row] = read(row);
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
    id_memos_.resize(size());
    for (std::size_t row = 0; row < size(); ++row) {
        lengths_[row] =
            switched_text(lengths_[row], memos_[row], Quantity::Length, units_, to, locale_);
        std::string& id = raceways_[row].id;
        id = switched_text(id, id_memos_[row], Quantity::Diameter, units_, to, locale_);
    }
    units_ = to;
    for (std::size_t row = 0; row < size(); ++row) {
        values_[row] = read(row);
    }
}

bool PullPlanLinks::append(PullLinkTexts link) {
    if (full()) {
        return false;
    }
    link.number = std::to_string(size() + 1);
    set(size(), std::move(link));
    return true;
}

bool PullPlanLinks::insert(std::size_t row, PullLinkTexts link) {
    if (full() || row > size()) {
        return false;
    }
    const auto at = static_cast<std::ptrdiff_t>(row);
    numbers_.push_back(std::to_string(size() + 1));
    types_.insert(types_.begin() + at, std::move(link.type));
    lengths_.insert(lengths_.begin() + at, std::move(link.length));
    angles_.insert(angles_.begin() + at, std::move(link.angle));
    inclined_.insert(inclined_.begin() + at, link.inclined ? 1 : 0);
    right_.insert(right_.begin() + at, link.right ? 1 : 0);
    sheave_.insert(sheave_.begin() + at, link.sheave ? 1 : 0);
    tilts_.insert(tilts_.begin() + at, std::move(link.tilt));
    raceways_.insert(raceways_.begin() + at, std::move(link.raceway));
    values_.insert(values_.begin() + at, read(row));
    for (std::vector<SwitchMemo>* memos : {&memos_, &id_memos_}) {
        if (row < memos->size()) {
            memos->insert(memos->begin() + at, SwitchMemo{});
        }
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
    right_.erase(right_.begin() + at);
    sheave_.erase(sheave_.begin() + at);
    tilts_.erase(tilts_.begin() + at);
    raceways_.erase(raceways_.begin() + at);
    numbers_.erase(numbers_.begin() + at);
    values_.erase(values_.begin() + at);
    for (std::vector<SwitchMemo>* memos : {&memos_, &id_memos_}) {
        if (row < memos->size()) {
            memos->erase(memos->begin() + at);
        }
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
    right_.clear();
    sheave_.clear();
    tilts_.clear();
    raceways_.clear();
    numbers_.clear();
    values_.clear();
    memos_.clear();
    id_memos_.clear();
}

void PullPlanLinks::set(std::size_t row, PullLinkTexts link) {
    if (row > size() || (row == size() && full())) {
        return;
    }
    if (row == size()) {
        types_.emplace_back();
        lengths_.emplace_back();
        angles_.emplace_back();
        inclined_.emplace_back();
        right_.emplace_back();
        sheave_.emplace_back();
        tilts_.emplace_back();
        raceways_.emplace_back();
        numbers_.emplace_back();
        values_.emplace_back();
    }
    types_[row] = std::move(link.type);
    lengths_[row] = std::move(link.length);
    angles_[row] = std::move(link.angle);
    inclined_[row] = link.inclined ? 1 : 0;
    right_[row] = link.right ? 1 : 0;
    sheave_[row] = link.sheave ? 1 : 0;
    tilts_[row] = std::move(link.tilt);
    raceways_[row] = std::move(link.raceway);
    numbers_[row] = std::move(link.number);
    values_[row] = read(row);
    if (row < id_memos_.size()) {
        id_memos_[row] = SwitchMemo{};
    }
}

void PullPlanLinks::setFromReport(std::size_t row, PullLinkTexts link) {
    // The report's figures are in its file's form; the plan keeps them as its locale types them.
    link.length = locale_number_text(link.length, locale_);
    link.angle = locale_number_text(link.angle, locale_);
    link.tilt = locale_number_text(link.tilt, locale_);
    link.raceway.friction = locale_number_text(link.raceway.friction, locale_);
    link.raceway.id = locale_number_text(link.raceway.id, locale_);
    SwitchMemo memo;
    link.length =
        switched_text(link.length, memo, Quantity::Length, UnitSystem::InchPound, units_, locale_);
    SwitchMemo id_memo;
    link.raceway.id = switched_text(link.raceway.id, id_memo, Quantity::Diameter,
                                    UnitSystem::InchPound, units_, locale_);
    set(row, std::move(link));
    if (row < size() && units_ != UnitSystem::InchPound) {
        memos_.resize(size());
        memos_[row] = memo;
        id_memos_.resize(size());
        id_memos_[row] = id_memo;
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
