#include "pullplan/cable_set.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>

namespace tensora {
namespace {

// The standard table of American Wire Gauge sizes, circular mils.
constexpr std::array<std::pair<std::string_view, double>, 15> kAwg{{{"18", 1620},
                                                                    {"16", 2580},
                                                                    {"14", 4110},
                                                                    {"12", 6530},
                                                                    {"10", 10380},
                                                                    {"8", 16510},
                                                                    {"6", 26240},
                                                                    {"4", 41740},
                                                                    {"3", 52620},
                                                                    {"2", 66360},
                                                                    {"1", 83690},
                                                                    {"1/0", 105600},
                                                                    {"2/0", 133100},
                                                                    {"3/0", 167800},
                                                                    {"4/0", 211600}}};

constexpr double kCmilPerSquareMillimetre = 1973.5;
constexpr double kSmallestKcmil = 250;

std::string lower(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return out;
}

std::string without_spaces(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            out.push_back(c);
        }
    }
    return out;
}

bool ends_with_any(const std::string& text, std::initializer_list<std::string_view> ends,
                   std::string& stem) {
    for (const std::string_view end : ends) {
        if (text.size() > end.size() && text.ends_with(end)) {
            stem = text.substr(0, text.size() - end.size());
            return true;
        }
    }
    return false;
}

// The number of a plain text of digits (and a point), if it is one.
std::optional<double> plain_number(std::string_view text) {
    if (text.empty() || !isNumberText(text, NumberLocale{".", ""})) {
        return std::nullopt;
    }
    const double value = leadingValue(text);
    return std::isfinite(value) && value > 0 ? std::optional(value) : std::nullopt;
}

// A whole number from 1 to `most`, as typed.
std::optional<int> whole_count(std::string_view text, const NumberLocale& locale, int most) {
    if (!isNumberText(text, locale)) {
        return std::nullopt;
    }
    const double value = read_input(text, locale);
    if (!(value >= 1) || value > most || std::floor(value) != value) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// The conductors on the eye: how many of each load (lbs a conductor: its area times its
// metal's stress), by group, and their sum. None where a group lacks its size or material,
// and `missing` names it.
struct ConductorLoads {
    std::vector<std::pair<double, double>> counted; // load, conductors bearing it
    double conductors = 0;
    double total = 0;
    // The sum of the `n` smallest loads.
    double smallest(double n) const {
        std::vector<std::pair<double, double>> sorted = counted;
        std::sort(sorted.begin(), sorted.end());
        double sum = 0;
        for (const auto& [load, count] : sorted) {
            const double taken = std::min(n, count);
            sum += taken * load;
            n -= taken;
        }
        return sum;
    }
};

std::optional<ConductorLoads> conductor_loads(const CableSet& set, TensionRule rule,
                                              Message* missing) {
    ConductorLoads loads;
    for (std::size_t i = 0; i < set.groups.size(); ++i) {
        const CableGroup& group = set.groups[i];
        if (!group.size || !group.material) {
            if (missing) {
                //: %1 the tension rule's name, %2 the group's number.
                *missing = Message(group.size ? TENSORA_TEXT("CableSet", "%1: give the conductor "
                                                                         "material of group %2")
                                              : TENSORA_TEXT("CableSet", "%1: give the conductor "
                                                                         "size of group %2"))
                               .nested(tension_rule_name(rule))
                               .count_arg(static_cast<long long>(i) + 1);
            }
            return std::nullopt;
        }
        const double load = group.size->cmil * eye_stress(*group.material);
        const double conductors = static_cast<double>(group.count) * group.conductors;
        loads.counted.emplace_back(load, conductors);
        loads.conductors += conductors;
        loads.total += conductors * load;
    }
    return loads;
}

double capped(double pounds, double cap) {
    return std::min(pounds, cap);
}

} // namespace

std::optional<ConductorSize> conductor_size(std::string_view text) {
    const std::string compact = lower(without_spaces(text));
    std::string stem;
    if (ends_with_any(compact, {"mm2", "mm²", "mm^2", "sqmm"}, stem)) {
        if (const auto area = plain_number(stem)) {
            return ConductorSize{stem + " mm²", *area * kCmilPerSquareMillimetre};
        }
        return std::nullopt;
    }
    if (ends_with_any(compact, {"kcmil", "mcm"}, stem)) {
        if (const auto kcmil = plain_number(stem)) {
            return ConductorSize{stem + " kcmil", *kcmil * 1000};
        }
        return std::nullopt;
    }
    const std::string awg = ends_with_any(compact, {"awg"}, stem) ? stem : compact;
    for (const auto& [name, cmil] : kAwg) {
        if (awg == name) {
            return ConductorSize{std::string(name) + " AWG", cmil};
        }
    }
    if (const auto kcmil = plain_number(compact); kcmil && *kcmil >= kSmallestKcmil) {
        return ConductorSize{compact + " kcmil", *kcmil * 1000};
    }
    return std::nullopt;
}

std::optional<Material> material_of(std::string_view text) {
    const std::string word = lower(without_spaces(text));
    if (word == "cu" || word == "copper") {
        return Material::Copper;
    }
    if (word == "al" || word == "aluminium" || word == "aluminum") {
        return Material::Aluminium;
    }
    return std::nullopt;
}

std::string_view material_key(Material material) {
    return material == Material::Copper ? "cu" : "al";
}

Message material_name(Material material) {
    return material == Material::Copper ? TENSORA_TEXT("CableSet", "copper")
                                        : TENSORA_TEXT("CableSet", "aluminium");
}

Message group_text(const CableGroup& group, UnitSystem units) {
    //: A group of a cable set: %1 how many, %2 the cable's description, %3 its outside
    //: diameter, %4 its weight.
    Message text(TENSORA_TEXT("CableSet", "%1 × %2: OD %3, %4"));
    text.count_arg(group.count)
        .nested(group.description.empty() ? Message(TENSORA_TEXT("CableSet", "cable"))
                                          : data_message(group.description))
        .figure(Figure::typed(group.od, Quantity::Diameter, units))
        .figure(Figure::typed(group.weight, Quantity::Weight, units));
    // Each further part after a comma: "%1, %2".
    const auto add = [&text](Message part) {
        text = Message(TENSORA_TEXT("CableSet", "%1, %2"))
                   .nested(std::move(text))
                   .nested(std::move(part));
    };
    if (group.size || group.material) {
        //: A conductor's size and material: "500 kcmil copper".
        Message conductor = group.size ? data_message(group.size->name)
                                       : Message(TENSORA_TEXT("CableSet", "size not given"));
        if (group.material) {
            conductor = Message(TENSORA_TEXT("CableSet", "%1 %2"))
                            .nested(std::move(conductor))
                            .nested(material_name(*group.material));
        }
        add(std::move(conductor));
    }
    if (group.conductors > 1) {
        add(Message(TENSORA_COUNTED("CableSet", "%n conductors", "%n conductor"))
                .counting(group.conductors));
    }
    if (group.rating) {
        add(Message(TENSORA_TEXT("CableSet", "rating %1"))
                .figure(Figure::typed(*group.rating, Quantity::Tension, units)));
    }
    return text;
}

DescribedConductor conductor_of_description(std::string_view description) {
    // The description's parts between dashes, blanks and underscores: one of them is the size
    // with the metal's symbol after it.
    const std::string text = lower(description);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '-' && text[i] != ' ' && text[i] != '_') {
            continue;
        }
        const std::string part = text.substr(start, i - start);
        start = i + 1;
        std::string stem;
        for (const auto& [symbol, material] :
             {std::pair{std::string_view("cu"), Material::Copper},
              std::pair{std::string_view("al"), Material::Aluminium}}) {
            if (ends_with_any(part, {symbol}, stem)) {
                if (auto size = conductor_size(stem)) {
                    return {std::move(size), material};
                }
            }
        }
    }
    return {};
}

int CableSet::cables() const {
    int total = 0;
    for (const CableGroup& group : groups) {
        total += group.count;
    }
    return total;
}

double CableSet::weight() const {
    double total = 0;
    for (const CableGroup& group : groups) {
        total += group.count * group.weight;
    }
    return total;
}

double CableSet::largest_od() const {
    double largest = 0;
    for (const CableGroup& group : groups) {
        largest = std::max(largest, group.od);
    }
    return largest;
}

int CableSet::largest_count() const {
    const double largest = largest_od();
    int count = 0;
    for (const CableGroup& group : groups) {
        count += group.od == largest ? group.count : 0;
    }
    return count;
}

bool CableSet::mixed() const {
    return std::any_of(groups.begin(), groups.end(),
                       [this](const CableGroup& group) { return group.od != largest_od(); });
}

long long CableSet::conductors() const {
    long long total = 0;
    for (const CableGroup& group : groups) {
        total += static_cast<long long>(group.count) * group.conductors;
    }
    return total;
}

std::string_view tension_rule_key(TensionRule rule) {
    switch (rule) {
    case TensionRule::Eye:
        return "eye";
    case TensionRule::EyeSingles:
        return "eye-singles";
    case TensionRule::Grip:
        return "grip";
    case TensionRule::Ratings:
        return "ratings";
    case TensionRule::Planner:
        break;
    }
    return "planner";
}

std::optional<TensionRule> tension_rule_by_key(std::string_view key) {
    for (const TensionRule rule : kTensionRules) {
        if (tension_rule_key(rule) == key) {
            return rule;
        }
    }
    return std::nullopt;
}

std::string design_rating_text(std::string_view inch_pound, UnitSystem units,
                               const NumberLocale& locale) {
    return figure_text(
        Figure::whole(leadingValue(inch_pound), Quantity::Tension, units).without_symbol(), locale);
}

Message tension_rule_name(TensionRule rule) {
    switch (rule) {
    case TensionRule::Eye:
        return TENSORA_TEXT("CableSet", "Pulling eye on the conductors");
    case TensionRule::EyeSingles:
        return TENSORA_TEXT("CableSet", "Pulling eye, single conductors conservatively");
    case TensionRule::Grip:
        return TENSORA_TEXT("CableSet", "Basket grip");
    case TensionRule::Ratings:
        return TENSORA_TEXT("CableSet", "Cable ratings");
    case TensionRule::Planner:
        break;
    }
    return TENSORA_TEXT("CableSet", "As typed in the planner");
}

double eye_stress(Material material) {
    return material == Material::Copper ? 0.008 : 0.006;
}

SetAllowable set_allowable(const CableSet& set, TensionRule rule, const RuleLimits& limits,
                           double planner_allowable) {
    SetAllowable allowed;
    switch (rule) {
    case TensionRule::Planner:
        allowed.pounds = planner_allowable;
        break;
    case TensionRule::Eye:
        if (auto loads = conductor_loads(set, rule, &allowed.missing)) {
            // More than three conductors do not share the pull evenly: 80 % of it.
            const double factor = loads->conductors > 3 ? 0.8 : 1.0;
            allowed.pounds = capped(factor * loads->total, limits.eye);
        }
        break;
    case TensionRule::EyeSingles:
        if (auto loads = conductor_loads(set, rule, &allowed.missing)) {
            // Three single conductors count as two (the two that bear least), more than three
            // at 60 % of them all.
            const double total = loads->conductors > 3    ? 0.6 * loads->total
                                 : loads->conductors == 3 ? loads->smallest(2)
                                                          : loads->total;
            allowed.pounds = capped(total, limits.eye);
        }
        break;
    case TensionRule::Grip: {
        allowed.pounds = limits.grip;
        // Never above what the conductors bear on an eye, where their sizes are known.
        if (auto loads = conductor_loads(set, rule, nullptr)) {
            const double factor = loads->conductors > 3 ? 0.8 : 1.0;
            allowed.pounds = std::min(limits.grip, capped(factor * loads->total, limits.eye));
        }
        break;
    }
    case TensionRule::Ratings: {
        double lowest = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < set.groups.size(); ++i) {
            if (!set.groups[i].rating) {
                allowed.missing =
                    Message(TENSORA_TEXT("CableSet", "%1: give the rating of group %2"))
                        .nested(tension_rule_name(rule))
                        .count_arg(static_cast<long long>(i) + 1);
                return allowed;
            }
            lowest = std::min(lowest, *set.groups[i].rating);
        }
        // The cables that bear the load, as the conservative rule counts them.
        const int n = set.cables();
        const double bearing = n <= 2 ? n : n == 3 ? 2.0 : 0.6 * n;
        if (!set.groups.empty()) {
            allowed.pounds = lowest * bearing;
        }
        break;
    }
    }
    return allowed;
}

ReadGroup read_cable_group(const CableGroupTexts& texts, const NumberLocale& locale,
                           UnitSystem units) {
    ReadGroup read;
    CableGroup& group = read.group;
    // The field's key as the command line names it, the text as typed, and why it is refused.
    const auto refuse = [&read](std::string_view field, const std::string& text,
                                MessageSource why) {
        if (!read.problem) {
            //: %1 a field's key ("od", "weight"), %2 the text typed, %3 why it is refused.
            read.problem = Message(TENSORA_TEXT("CableSet", "%1 \"%2\": %3"))
                               .data(std::string(field))
                               .data(text)
                               .nested(why);
        }
    };
    const auto number = [&](std::string_view field, const std::string& text, Quantity quantity,
                            bool positive) -> double {
        const double value = read_input(text, locale);
        if (!isNumberText(text, locale) || !std::isfinite(value) || value < 0 ||
            (positive && value == 0)) {
            refuse(field, text,
                   positive ? TENSORA_TEXT("CableSet", "not a positive number")
                            : TENSORA_TEXT("CableSet", "not a number of 0 or more"));
            return 0;
        }
        return inch_pound_value(value, quantity, units);
    };
    if (const auto count = whole_count(texts.count, locale, kMostGroupCables)) {
        group.count = *count;
    } else {
        refuse("count", texts.count,
               TENSORA_TEXT("CableSet", "not a whole number from 1 to 1000 (no pull holds more)"));
    }
    group.description = texts.description;
    group.od = number("od", texts.od, Quantity::Diameter, true);
    group.weight = number("weight", texts.weight, Quantity::Weight, false);
    const DescribedConductor described = conductor_of_description(texts.description);
    group.size = described.size;
    group.material = described.material;
    if (!trimmed_blanks(texts.size).empty()) {
        group.size = conductor_size(texts.size);
        if (!group.size) {
            refuse("size", texts.size,
                   TENSORA_TEXT("CableSet", "not a conductor size (AWG as 6 or 1/0, kcmil, mm2)"));
        }
    }
    if (!trimmed_blanks(texts.material).empty()) {
        group.material = material_of(texts.material);
        if (!group.material) {
            refuse("material", texts.material,
                   TENSORA_TEXT("CableSet", "not a conductor material (cu or al)"));
        }
    }
    if (const auto conductors = whole_count(texts.conductors, locale, kMostConductors)) {
        group.conductors = *conductors;
    } else {
        refuse(
            "conductors", texts.conductors,
            TENSORA_TEXT("CableSet", "not a whole number from 1 to 10000 (no cable holds more)"));
    }
    if (!trimmed_blanks(texts.rating).empty()) {
        group.rating = number("rating", texts.rating, Quantity::Tension, true);
    }
    if (const auto kind = bending_kind_by_key(texts.kind, locale)) {
        group.kind = *kind;
    } else {
        refuse("kind", texts.kind,
               TENSORA_TEXT("CableSet", "not a cable kind (shielded, non-shielded, mc-smooth, "
                                        "mc-interlocked, fibre or a multiple of the diameter)"));
    }
    return read;
}

} // namespace tensora
