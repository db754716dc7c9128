#include "fill/pull_box.h"

#include "numbers/number_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

namespace tensora {
namespace {

constexpr double kStraightTimes = 8;
constexpr double kAngleTimes = 6;

// A whole number's text, or none.
std::optional<int> whole(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "1/2" as 0.5.
std::optional<double> fraction(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto over = whole(text.substr(0, slash));
    const auto under = whole(text.substr(slash + 1));
    if (!over || !under || *under == 0) {
        return std::nullopt;
    }
    return static_cast<double>(*over) / *under;
}

// An inch trade size's figure: "2", "2 1/2", "2-1/2", "1/2" or "2.5".
std::optional<double> inch_figure(std::string_view text) {
    const std::size_t gap = text.find_first_of(" -");
    if (gap != std::string_view::npos) {
        const auto units = whole(text.substr(0, gap));
        const auto part = fraction(trimmed_blanks(text.substr(gap + 1)));
        return units && part ? std::optional<double>(*units + *part) : std::nullopt;
    }
    if (const auto part = fraction(text)) {
        return part;
    }
    if (isNumberText(text, NumberLocale{".", ""})) {
        return read_input(text, NumberLocale{".", ""});
    }
    return std::nullopt;
}

// A metric designator's figure: "53" or "53 mm".
std::optional<double> metric_figure(std::string_view text) {
    if (text.ends_with("mm")) {
        text = trimmed_blanks(text.substr(0, text.size() - 2));
    }
    const auto value = whole(text);
    return value ? std::optional<double>(*value) : std::nullopt;
}

} // namespace

std::string_view pull_kind_key(PullKind kind) {
    switch (kind) {
    case PullKind::Angle:
        return "angle";
    case PullKind::U:
        return "u";
    default:
        return "straight";
    }
}

std::optional<PullKind> pull_kind_by_key(std::string_view key) {
    for (const PullKind kind : {PullKind::Straight, PullKind::Angle, PullKind::U}) {
        if (key == pull_kind_key(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::vector<TradeSize> trade_sizes(std::optional<ConduitStandardId> table, UnitSystem units) {
    std::vector<TradeSize> sizes;
    const bool metric = units == UnitSystem::Metric;
    const auto add = [&](const ConduitStandard& standard) {
        for (const ConduitSize& size : standard.sizes) {
            const std::string name(metric ? size.metric : size.trade_size);
            const auto figure = metric ? metric_figure(name) : inch_figure(name);
            if (!figure || name.empty()) {
                continue;
            }
            const bool known = std::any_of(sizes.begin(), sizes.end(), [&](const TradeSize& s) {
                return s.size == *figure;
            });
            if (!known) {
                sizes.push_back({name, *figure});
            }
        }
    };
    if (table) {
        add(conduit_standard(*table));
    } else {
        for (const ConduitStandardId id : code_conduit_standards()) {
            add(conduit_standard(id));
        }
    }
    std::sort(sizes.begin(), sizes.end(),
              [](const TradeSize& a, const TradeSize& b) { return a.size < b.size; });
    return sizes;
}

ReadTradeSize read_trade_size(std::string_view text, std::optional<ConduitStandardId> table,
                              UnitSystem units) {
    ReadTradeSize read;
    const std::string_view typed = trimmed_blanks(text);
    const auto figure =
        units == UnitSystem::Metric ? metric_figure(typed) : inch_figure(typed);
    if (figure) {
        for (const TradeSize& size : trade_sizes(table, units)) {
            if (size.size == *figure) {
                read.size = size;
                return read;
            }
        }
    }
    //: %1 the size as typed, %2 the conduit table.
    read.refusal = table ? Message(TENSORA_TEXT("PullBox", "\"%1\" is not a trade size of %2"))
                               .data(std::string(typed))
                               .data(std::string(conduit_standard(*table).name))
                         : Message(TENSORA_TEXT("PullBox", "\"%1\" is not a trade size of "
                                                           "the code's conduit tables"))
                               .data(std::string(typed));
    return read;
}

PullBox pull_box(PullKind kind, const std::vector<TradeSize>& sizes, UnitSystem units) {
    PullBox box;
    if (sizes.empty()) {
        return box;
    }
    const auto largest = std::max_element(
        sizes.begin(), sizes.end(),
        [](const TradeSize& a, const TradeSize& b) { return a.size < b.size; });
    const double others =
        std::accumulate(sizes.begin(), sizes.end(), 0.0,
                        [](double sum, const TradeSize& size) { return sum + size.size; }) -
        largest->size;
    const std::string unit = units == UnitSystem::Metric ? "mm" : "in";
    const auto figure = [&unit](double value) {
        //: A figure and its unit ("16 in", "424 mm").
        return Message(TENSORA_TEXT("PullBox", "%1 %2")).figure(Figure::number(value)).data(unit);
    };
    if (kind == PullKind::Straight) {
        box.minimum_length = kStraightTimes * largest->size;
        //: The straight pull's rule: %1 the times, %2 the largest trade size, %3 the length.
        box.working = Message(TENSORA_TEXT("PullBox", "%1 × %2 = %3"))
                          .figure(Figure::number(kStraightTimes))
                          .nested(figure(largest->size))
                          .nested(figure(*box.minimum_length));
        return box;
    }
    box.to_opposite_wall = kAngleTimes * largest->size + others;
    box.between_entries = kAngleTimes * largest->size;
    //: The angle pull's rule: %1 the times, %2 the largest trade size, %3 the sum of the
    //: others, %4 the distance.
    box.working = Message(TENSORA_TEXT("PullBox", "%1 × %2 + %3 = %4"))
                      .figure(Figure::number(kAngleTimes))
                      .nested(figure(largest->size))
                      .nested(figure(others))
                      .nested(figure(*box.to_opposite_wall));
    return box;
}

Message small_conductors_note() {
    return TENSORA_TEXT("PullBox", "For conductors of 6 AWG and smaller the box is sized by its "
                                   "volume (the conductors' allowances), which this rule does not "
                                   "compute");
}

} // namespace tensora
