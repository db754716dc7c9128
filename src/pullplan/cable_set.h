// The set of cables a pull draws at once: groups of identical cables (three phase conductors
// and a smaller ground, say), with their weight, their largest diameter, and the allowable
// tension of the whole set by a rule the user chooses: as typed in the planner, from the
// conductors on a pulling eye, by a basket grip, or from the cables' own ratings.
#pragma once

#include "pullplan/bending_radius.h"

#include "numbers/message.h"
#include "numbers/number_rules.h"
#include "numbers/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

enum class Material { Copper, Aluminium };

// A conductor's size as people write it ("6 AWG", "1/0 AWG", "500 kcmil", "35 mm²") and its
// area in circular mils.
struct ConductorSize {
    std::string name;
    double cmil = 0;
};

// AWG 18 to 4/0 by the standard table (4/0 is 211,600 cmil), kcmil from 250 ("500",
// "500 kcmil", "500MCM"), mm² ("35mm2", "35 mm²": 1,973.5 cmil each); none for any other text.
std::optional<ConductorSize> conductor_size(std::string_view text);
// "cu", "copper", "al", "aluminium", "aluminum", in any case; none for any other text.
std::optional<Material> material_of(std::string_view text);
std::string_view material_key(Material material); // "cu", "al"
Message material_name(Material material);         // "copper", "aluminium"

// The size and material a library description names: "PWR-500CU-15KV" is 500 kcmil copper,
// "PWR-1/0AL-15KV" 1/0 aluminium.
struct DescribedConductor {
    std::optional<ConductorSize> size;
    std::optional<Material> material;
};
DescribedConductor conductor_of_description(std::string_view description);

// The most cables a group holds, and conductors a cable: a pull holds no more.
inline constexpr int kMostGroupCables = 1000;
inline constexpr int kMostConductors = 10000;

// A group of identical cables; figures inch-pound.
struct CableGroup {
    int count = 1;
    std::string description;
    double od = 0;     // in
    double weight = 0; // lbs/kft, one cable
    std::optional<ConductorSize> size;
    std::optional<Material> material;
    int conductors = 1;           // in each cable: 1 for a single conductor
    std::optional<double> rating; // lbs, one cable's own allowable tension
    BendingKind kind{};           // what its least bending radius follows
};

// "3 × PWR-500CU-15KV: OD 1.58 in, 2000 lbs/kft, 500 kcmil copper, rating 5000 lbs", in the
// units given.
Message group_text(const CableGroup& group, UnitSystem units);

struct CableSet {
    std::vector<CableGroup> groups;

    int cables() const;           // every cable of every group
    double weight() const;        // lbs/kft: count × weight, summed
    double largest_od() const;    // in
    int largest_count() const;    // the cables of the largest outside diameter
    bool mixed() const;           // cables of more than one outside diameter
    long long conductors() const; // every conductor of every cable
};

// The rule the set's allowable tension comes from.
enum class TensionRule { Planner, Eye, EyeSingles, Grip, Ratings };
inline constexpr TensionRule kTensionRules[] = {TensionRule::Planner, TensionRule::Eye,
                                                TensionRule::EyeSingles, TensionRule::Grip,
                                                TensionRule::Ratings};
// "planner", "eye", "eye-singles", "grip", "ratings": the command line's and the report's.
std::string_view tension_rule_key(TensionRule rule);
std::optional<TensionRule> tension_rule_by_key(std::string_view key);
// "As typed in the planner", "Pulling eye on the conductors", ...: the rule named for people.
Message tension_rule_name(TensionRule rule);

// What the eye and the grip are rated for, lbs.
struct RuleLimits {
    double eye = 10000;
    double grip = 1000;
};
inline constexpr std::string_view kDesignEyeLimit = "10000";
inline constexpr std::string_view kDesignGripLimit = "1000";
// A design rating as its box shows it in the units given: in newtons a whole number, as the
// columns show a tension ("44482" for 10,000 lbs).
std::string design_rating_text(std::string_view inch_pound, UnitSystem units,
                               const NumberLocale& locale);

// The lbf a circular mil of the metal may bear on a pulling eye: 0.008 copper, 0.006 aluminium.
double eye_stress(Material material);

// The set's allowable tension by the rule, lbs; none where the set lacks a figure the rule
// needs, and `missing` says which ("Pulling eye: give the conductor size of group 2").
struct SetAllowable {
    std::optional<double> pounds;
    Message missing;
};
SetAllowable set_allowable(const CableSet& set, TensionRule rule, const RuleLimits& limits,
                           double planner_allowable);

// A group as the pull check's table and the command line hold it: texts in the units shown.
struct CableGroupTexts {
    std::string count = "1";
    std::string description;
    std::string od;
    std::string weight;
    std::string size;     // empty: none given
    std::string material; // empty: none given
    std::string conductors = "1";
    std::string rating; // empty: none given
    std::string kind{}; // the bending kind's key; empty: not known
    bool operator==(const CableGroupTexts&) const = default;
};

// Reads a group's texts by the number rules in the units given; the first problem of a text,
// named by its field ("count": not a whole number of 1 or more), if any.
struct ReadGroup {
    CableGroup group;
    std::optional<Message> problem;
};
ReadGroup read_cable_group(const CableGroupTexts& texts, const NumberLocale& locale,
                           UnitSystem units);

} // namespace tensora
