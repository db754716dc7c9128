#include "pullplan/pull_plan.h"

#include "pullplan/route_path.h"
#include "pullplan/space_bend.h"
#include "pullplan/vertical_bend.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <variant>

namespace tensora {
namespace {

// The bend factor e^x with x = μ × θ rounded to 15 digits, remembered per angle: a plan has
// few distinct angles, and the rounding is the costly part.
class BendFactors {
public:
    explicit BendFactors(double friction) : friction_(friction) {}

    double operator()(double theta) {
        const auto bits = std::bit_cast<std::uint64_t>(theta);
        Entry& entry = entries_[(bits * 0x9E3779B97F4A7C15ULL) >> 56];
        if (!entry.used || entry.theta_bits != bits) {
            entry = {true, bits, std::exp(round_to_15_digits(friction_ * theta))};
        }
        return entry.factor;
    }

private:
    struct Entry {
        bool used = false;
        std::uint64_t theta_bits = 0;
        double factor = 0;
    };
    double friction_;
    std::array<Entry, 256> entries_{};
};

// The planner's straight rule forms friction × weight × length first; the straight section
// calculator multiplies in another order, which can differ in the last bit.
double straight_tension_added(double friction, double weight, double length) {
    return ((friction * weight) * length) / 1000.0;
}

// A bend without length has no finite sidewall pressure, whatever tension reaches it, so both
// directions show the same text for it.
std::string_view sidewall_text(double tension, double length, std::string& scratch) {
    if (length == 0) {
        return kNoLengthText;
    }
    return column_text(sidewall_per_foot(tension, length), scratch);
}

// The inclination of the route at each link's ends, from level at the first link; nothing for
// a level plan. The path itself is kept for the bends in space alone (the tilted ones), which
// need the route's directions; every other link needs its inclinations only.
std::vector<LinkPath> route_inclinations(const std::vector<PullLinkValues>& links,
                                         PullResults& results) {
    results.elevation = has_elevation(links);
    const std::size_t n = results.elevation ? links.size() : 0;
    results.inclination_in.assign(n, 0.0);
    results.inclination_out.assign(n, 0.0);
    results.forward_held.assign(n, 0);
    results.reverse_held.assign(n, 0);
    if (n == 0) {
        return {};
    }
    const bool in_space = std::any_of(links.begin(), links.end(), [](const PullLinkValues& link) {
        return link.turn == Turn::Tilted && !link.straight;
    });
    std::vector<LinkPath> path;
    if (in_space) {
        route_path(links, path, false); // the tensions need the directions alone
        for (std::size_t i = 0; i < n; ++i) {
            results.inclination_in[i] = path[i].psi_in;
            results.inclination_out[i] = path[i].psi_out;
        }
        return path;
    }
    // Without a bend in space the inclinations are the straights' and the Up and Down bends'.
    double psi = 0;
    for (std::size_t i = 0; i < n; ++i) {
        psi = inclination_entering(links[i], psi);
        results.inclination_in[i] = psi;
        psi = inclination_leaving(links[i], psi);
        results.inclination_out[i] = psi;
    }
    return path;
}

// The tension leaving link i, for a pull that meets it with `tension`, going forward or in
// reverse: the one rule of every pull the planner computes, a function for each kind of link.
class LinkStep {
public:
    // `remember`: what a link on a slope needs is found once for every pull through it (the
    // advice runs many pulls); a single pull passes each link once and finds it as it goes.
    LinkStep(const std::vector<PullLinkValues>& links, PullResults& route,
             const PullSettings& settings, bool remember = false)
        : links_(links), path_(route_inclinations(links, route)), route_(route),
          bend_factor_(settings.friction), friction_(settings.friction), weight_(settings.weight),
          across_(settings.weight_across), sheave_factor_(1 + settings.sheave_percent / 100) {
        if (route.elevation && remember) {
            for (auto* known : {&forward_, &reverse_}) {
                known->assign(links.size(), Known{});
            }
        }
    }
    LinkStep(const LinkStep&) = delete;
    LinkStep& operator=(const LinkStep&) = delete;

    BendPass operator()(std::size_t i, double tension, bool forward) {
        const PullLinkValues& link = links_[i];
        if (link.sheave && !link.straight) {
            return {tension * sheave_factor_, false}; // no sliding friction on a sheave
        }
        if (!route_.elevation) {
            return link.straight ? level_straight(link, tension) : level_bend(link, tension);
        }
        return on_route(i, tension, forward);
    }

private:
    // A link of a route that climbs or drops somewhere, kept out of the level plan's way.
    [[gnu::noinline]] BendPass on_route(std::size_t i, double tension, bool forward) {
        const PullLinkValues& link = links_[i];
        // Backwards along the route every inclination changes sign.
        const double psi_in = forward ? route_.inclination_in[i] : -route_.inclination_out[i];
        const double psi_out = forward ? route_.inclination_out[i] : -route_.inclination_in[i];
        std::vector<Known>& remembered = forward ? forward_ : reverse_;
        Known* known = remembered.empty() ? nullptr : &remembered[i];
        if (!is_turning(link)) {
            return straight(link, tension, psi_in, known);
        }
        switch (link.turn) {
        case Turn::Up:
        case Turn::Down:
            return vertical(link, tension, psi_in, psi_out, known);
        case Turn::Horizontal:
            return psi_in == 0 ? level_bend(link, tension) : on_slope(link, tension, psi_in, known);
        case Turn::Tilted:
            break;
        }
        return in_space(link, path_[i], tension, forward);
    }

    // What is found of a link on a slope once, for every pull through it in one direction:
    // nothing yet, a straight's W L (sin psi + mu |cos psi|), a bend's figures, or that the
    // general rule takes it each time.
    struct General {};
    using Known = std::variant<std::monostate, General, double, BendOnSlope, SteadyVerticalBend>;

    // The figures found for a link, remembered where `known` keeps them.
    template <class Figures, class Find>
    static std::optional<Figures> figures(Known* known, const Find& find) {
        if (known && std::holds_alternative<Figures>(*known)) {
            return std::get<Figures>(*known);
        }
        if (known && std::holds_alternative<General>(*known)) {
            return std::nullopt;
        }
        const std::optional<Figures> found = find();
        if (known) {
            *known = found ? Known(*found) : Known(General{});
        }
        return found;
    }

    // A level straight: the planner's rule as it always was.
    BendPass level_straight(const PullLinkValues& link, double tension) const {
        return {tension + straight_tension_added(link.friction_or(friction_), weight_, link.length),
                false};
    }

    // A level horizontal bend: the planner's factor, or with the weight across it, in closed
    // form.
    BendPass level_bend(const PullLinkValues& link, double tension) {
        if (!(across_ && link.theta > 0)) {
            // A link's own coefficient takes the planner's factor, unremembered.
            return {tension * (link.has_own_friction()
                                   ? std::exp(round_to_15_digits(link.friction * link.theta))
                                   : bend_factor_(link.theta)),
                    false};
        }
        SpaceBend bend = space_bend(link);
        bend.radius = link.length / link.theta;
        bend.theta = link.theta;
        bend.geometry.axis_up = link.right ? -1 : 1;
        return pass_space_bend(bend, tension);
    }

    // A straight at inclination psi: T + W L (sin psi + mu |cos psi|) (the cable lies on the
    // lower wall whichever way the route runs), held at zero where the cable's weight would take
    // the tension below it.
    BendPass straight(const PullLinkValues& link, double tension, double psi, Known* known) const {
        if (psi == 0) {
            return level_straight(link, tension);
        }
        const double added = *figures<double>(known, [&] {
            return std::optional<double>(weight_ / 1000 * link.length *
                                         (std::sin(psi) + link.friction_or(friction_) *
                                                              std::fabs(std::cos(psi))));
        });
        return held_at_zero(tension + added, tension, weight_);
    }

    // Up turns the pull's way of going upward by the angle, Down downward.
    BendPass vertical(const PullLinkValues& link, double tension, double psi_in, double psi_out,
                      Known* known) const {
        VerticalBend bend;
        bend.theta = std::fabs(psi_out - psi_in);
        bend.up = psi_out > psi_in;
        bend.radius = link.length / std::fabs(link.theta);
        bend.weight = weight_ / 1000;
        bend.friction = link.friction_or(friction_);
        bend.length = link.length;
        const auto steady =
            figures<SteadyVerticalBend>(known, [&] { return steady_vertical_bend(bend, psi_in); });
        return steady ? pass_steady_vertical_bend(*steady, bend, tension, psi_in)
                      : pass_vertical_bend(bend, tension, psi_in);
    }

    // A horizontal bend on the slope the route has reached: a helix about the vertical, whose
    // geometry is the slope's alone (the route's heading plays no part).
    BendPass on_slope(const PullLinkValues& link, double tension, double psi, Known* known) const {
        const auto slope =
            figures<BendOnSlope>(known, [&] { return bend_on_slope(slope_bend(link, psi)); });
        return slope ? pass_bend_on_slope(*slope, tension)
                     : pass_space_bend(slope_bend(link, psi), tension);
    }

    SpaceBend slope_bend(const PullLinkValues& link, double psi) const {
        SpaceBend bend = space_bend(link);
        const double sin_psi = std::sin(psi);
        bend.geometry.axis_up = (link.right ? -1.0 : 1.0) * (link.theta < 0 ? -1.0 : 1.0);
        bend.geometry.axis_along = bend.geometry.axis_up * sin_psi;
        bend.geometry.curvature =
            std::sqrt(std::max(0.0, 1 - bend.geometry.axis_along * bend.geometry.axis_along));
        bend.geometry.rise = bend.geometry.axis_along * bend.geometry.axis_up;
        return bend;
    }

    // A bend in a tilted plane: the general bend in space, on the route's directions.
    BendPass in_space(const PullLinkValues& link, const LinkPath& path, double tension,
                      bool forward) const {
        SpaceBend bend = space_bend(link);
        bend.geometry = bend_geometry(path, forward);
        return pass_space_bend(bend, tension);
    }

    // The figures every bend in space shares: its angle, radius, length, weight and friction.
    SpaceBend space_bend(const PullLinkValues& link) const {
        SpaceBend bend;
        bend.theta = std::fabs(link.theta);
        bend.radius = link.length / bend.theta;
        bend.length = link.length;
        bend.weight = weight_ / 1000;
        bend.friction = link.friction_or(friction_);
        bend.across = across_;
        return bend;
    }

    const std::vector<PullLinkValues>& links_;
    std::vector<LinkPath> path_; // the bends in space only
    const PullResults& route_;
    BendFactors bend_factor_;
    double friction_;
    double weight_;
    bool across_;
    double sheave_factor_;
    std::vector<Known> forward_;
    std::vector<Known> reverse_;
};

// Names the point between the chosen link and the next by their numbers.
Message caption_for(std::string_view number) {
    //: %1 and %2 the numbers of the links the point lies between.
    return Message(TENSORA_TEXT("Plan", "Mid-assist pull point between links %1 and %2"))
        .data(std::string(number))
        .data(wholeResultText(leadingValue(number) + 1));
}

// A bend of a negative angle is a bend of that size turning the other way: left -90 is right
// 90, Up -30 is Down 30, a tilt turned half round; every formula then takes its size.
void turn_the_other_way_if_negative(PullLinkValues& bend) {
    if (!(bend.angle < 0)) {
        return;
    }
    bend.angle = -bend.angle;
    bend.theta = -bend.theta;
    switch (bend.turn) {
    case Turn::Horizontal:
        bend.right = !bend.right;
        break;
    case Turn::Up:
        bend.turn = Turn::Down;
        break;
    case Turn::Down:
        bend.turn = Turn::Up;
        break;
    case Turn::Tilted:
        bend.tilt = bend.tilt > 0 ? bend.tilt - 180 : bend.tilt + 180;
        break;
    }
}

} // namespace

// From 1e15 on a double no longer holds the value to the pound, and its digits would only be
// rounding noise many columns wide, so such values show as out of range, like values beyond a
// double; so do values just below that which round up to sixteen digits.
std::string_view column_text(double value, std::string& scratch) {
    return column_value_view(value, Quantity::Tension, ColumnUnit{}, ".", scratch);
}

PullLinkValues read_link(const PullLinkTexts& link, const NumberLocale& locale, UnitSystem units) {
    PullLinkValues values;
    values.straight = link.type == kStraightType;
    values.length = inch_pound_value(read_input(link.length, locale), Quantity::Length, units);
    values.inclined = values.straight && link.inclined;
    if (!values.straight || values.inclined) {
        values.angle = read_input(link.angle, locale);
        values.theta = round_to_15_digits(values.angle / kDegreesPerRadian);
    }
    if (!values.straight) {
        values.turn = link.type == kUpType       ? Turn::Up
                      : link.type == kDownType   ? Turn::Down
                      : link.type == kTiltedType ? Turn::Tilted
                                                 : Turn::Horizontal;
        values.right = values.turn == Turn::Horizontal && link.right;
        values.sheave = link.sheave;
        if (values.turn == Turn::Tilted) {
            values.tilt = read_input(link.tilt, locale);
        }
        turn_the_other_way_if_negative(values);
    }
    if (!trimmed_blanks(link.raceway.friction).empty()) {
        values.friction = read_input(link.raceway.friction, locale);
    }
    values.tray = link.raceway.tray;
    values.pull_point = link.raceway.pull_point;
    if (!values.tray && !trimmed_blanks(link.raceway.id).empty()) {
        values.raceway_id =
            inch_pound_value(read_input(link.raceway.id, locale), Quantity::Diameter, units);
    }
    return values;
}

std::string shown_link_type(const PullLinkTexts& link) {
    std::string shown = link.type;
    if (link.type == kTiltedType) {
        shown += ' ' + link.tilt;
    } else if (link.right && link.type == kBendType) {
        shown += ' ' + std::string(kRightWord);
    }
    if (link.sheave && link.type != kStraightType) {
        shown += ' ' + std::string(kSheaveWord);
    }
    return shown;
}

Message link_type_words(const PullLinkTexts& link) {
    const std::pair<std::string_view, MessageSource> kinds[] = {
        {kStraightType, TENSORA_TEXT("Plan", "Straight")},
        {kBendType, TENSORA_TEXT("Plan", "Angle")},
        {kUpType, TENSORA_TEXT("Plan", "Up")},
        {kDownType, TENSORA_TEXT("Plan", "Down")},
        {kTiltedType, TENSORA_TEXT("Plan", "Tilted")}};
    Message words = data_message(link.type);
    for (const auto& [type, source] : kinds) {
        if (link.type == type) {
            words = Message(source);
        }
    }
    if (link.type == kTiltedType) {
        //: A tilted bend and its tilt in degrees, as typed.
        words = Message(TENSORA_TEXT("Plan", "%1 %2")).nested(std::move(words)).data(link.tilt);
    } else if (link.right && link.type == kBendType) {
        words = Message(TENSORA_TEXT("Plan", "%1 right")).nested(std::move(words));
    }
    if (link.sheave && link.type != kStraightType) {
        words = Message(TENSORA_TEXT("Plan", "%1 sheave")).nested(std::move(words));
    }
    return words;
}

Message link_raceway_words(const LinkRaceway& raceway, const PullLinkValues& values,
                           UnitSystem units) {
    std::optional<Message> words;
    const auto add = [&words](Message part) {
        //: Two parts of a link's raceway: its coefficient and entry, the raceway.
        words = words ? Message(TENSORA_TEXT("Plan", "%1, %2")).nested(std::move(*words)).nested(
                            std::move(part))
                      : std::move(part);
    };
    if (values.has_own_friction()) {
        Message friction = Message(TENSORA_TEXT("Plan", "%1")).figure(Figure::number(values.friction));
        if (!raceway.name.empty()) {
            //: A link's coefficient of friction and the library entry it comes from.
            friction = Message(TENSORA_TEXT("Plan", "%1 %2")).nested(std::move(friction)).data(
                raceway.name);
        }
        add(std::move(friction));
    } else if (!raceway.name.empty()) {
        add(data_message(raceway.name));
    }
    if (raceway.pull_point) {
        add(Message(TENSORA_TEXT("Plan", "pull point")));
    }
    if (values.tray) {
        add(Message(TENSORA_TEXT("Plan", "tray")));
    } else if (!std::isnan(values.raceway_id)) {
        //: A conduit's inside diameter with its unit, from this link on.
        add(Message(TENSORA_TEXT("Plan", "ID %1"))
                .figure(Figure::typed(values.raceway_id, Quantity::Diameter, units)));
    }
    return words.value_or(Message());
}

bool is_tilt_text(std::string_view text, const NumberLocale& locale) {
    return isNumberText(text, locale) && std::fabs(read_input(text, locale)) <= kMostTilt;
}

std::string_view bend_weight_key(bool across) {
    return across ? "all" : "plane";
}

std::string reported_bend_weight(bool across, const std::vector<PullLinkValues>& links) {
    return across || has_elevation(links) ? std::string(bend_weight_key(across)) : std::string();
}

std::optional<bool> bend_weight_by_key(std::string_view key) {
    if (key == "plane" || key == "all") {
        return key == "all";
    }
    return std::nullopt;
}

bool is_incline_text(std::string_view text, const NumberLocale& locale) {
    return isNumberText(text, locale) && std::fabs(read_input(text, locale)) <= kSteepestIncline;
}

std::optional<std::size_t> mid_assist_point(const PullSettings& settings, std::size_t links) {
    if (settings.mid_assist && settings.selected >= 0 &&
        static_cast<std::size_t>(settings.selected) < links) {
        return static_cast<std::size_t>(settings.selected);
    }
    return std::nullopt;
}

std::optional<Message> link_angle_refusal(std::string_view type, double angle) {
    if (!std::isfinite(angle)) {
        return TENSORA_TEXT("Plan", "the angle is not a finite number");
    }
    if ((type == kUpType || type == kDownType) && std::fabs(angle) > kMostVerticalTurn) {
        return TENSORA_TEXT("Plan", "an Up or Down bend turns at most 360 degrees");
    }
    if (type == kTiltedType && std::fabs(angle) > kMostVerticalTurn) {
        return TENSORA_TEXT("Plan", "a tilted bend turns at most 360 degrees");
    }
    return std::nullopt;
}

bool has_elevation(const std::vector<PullLinkValues>& links) {
    return std::any_of(links.begin(), links.end(), [](const PullLinkValues& link) {
        return link.inclined || link.turn == Turn::Up || link.turn == Turn::Down ||
               (link.turn == Turn::Tilted && std::fmod(link.tilt, 180) != 0);
    });
}

PullSettings read_pull_settings(const PullSettingsTexts& texts, const NumberLocale& locale,
                                UnitSystem units) {
    PullSettings settings;
    settings.friction = read_input(texts.friction, locale);
    settings.allowable =
        inch_pound_value(read_input(texts.allowable, locale), Quantity::Tension, units);
    settings.weight = inch_pound_value(read_input(texts.weight, locale), Quantity::Weight, units);
    settings.back_tension =
        isNumberText(texts.back_tension, locale)
            ? inch_pound_value(read_input(texts.back_tension, locale), Quantity::Tension, units)
            : 0;
    settings.mid_assist = texts.mid_assist;
    settings.selected = texts.selected;
    settings.weight_across = texts.weight_across;
    settings.sheave_percent =
        isNumberText(texts.sheave_percent, locale) ? read_input(texts.sheave_percent, locale) : 0;
    return settings;
}

namespace {

// One direction of the pull, link by link in its own order from the back tension, restarting
// from zero after the mid-assist point: each link's tension (and hold) by link, and the
// tension it leaves the route with.
double run_pull(LinkStep& step, std::size_t n, double back_tension,
                std::optional<std::size_t> point, bool forward, std::vector<double>& tensions,
                std::vector<char>& held) {
    double tension = back_tension;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = forward ? k : n - 1 - k;
        const BendPass through = step(i, tension, forward);
        tension = through.tension;
        tensions[i] = tension;
        if (!held.empty()) {
            held[i] = through.held;
        }
        if (point && restarts_after(i, *point, forward)) {
            tension = 0;
        }
    }
    return tension;
}

// The highest tension of the pull that reaches the route's end, which the bars show. On a
// level route that is the tension after the last link; once the route drops it may lie before.
double end_pull_highest(const PullResults& results, std::optional<std::size_t> point, double last,
                        bool forward) {
    if (!results.elevation) {
        return last;
    }
    const std::vector<double>& tensions =
        forward ? results.forward_tension : results.reverse_tension;
    double most = last;
    for (std::size_t i = 0; i < tensions.size(); ++i) {
        if (!point || in_end_pull(i, *point, forward)) {
            most = std::max(most, tensions[i]);
        }
    }
    return most;
}

// Each link's tension and sidewall cells, as the inch-pound columns write them.
void write_columns(const std::vector<PullLinkValues>& links, const std::vector<double>& tensions,
                   TextColumn& tension_column, TextColumn& sidewall_column) {
    std::string scratch;
    tension_column.clear();
    sidewall_column.clear();
    tension_column.reserve(links.size(), links.size() * 4);
    sidewall_column.reserve(links.size(), links.size() * 4);
    for (std::size_t i = 0; i < links.size(); ++i) {
        tension_column.push_back(column_text(tensions[i], scratch));
        sidewall_column.push_back(links[i].straight
                                      ? std::string_view("0")
                                      : sidewall_text(tensions[i], links[i].length, scratch));
    }
}

} // namespace

void calculate_pull(const std::vector<PullLinkValues>& links, std::string_view selected_number,
                    const PullSettings& settings, PullResults& results) {
    const std::size_t n = links.size();
    // Mid-assist counts only with a chosen link; without one, nothing resets and the bars stay.
    const std::optional<std::size_t> point = mid_assist_point(settings, n);
    results.caption = point ? caption_for(selected_number) : Message();
    results.bars_visible = !point;
    results.forward_tension.resize(n);
    results.reverse_tension.resize(n);
    LinkStep step(links, results, settings);

    const double forward = run_pull(step, n, settings.back_tension, point, true,
                                    results.forward_tension, results.forward_held);
    const double reverse = run_pull(step, n, settings.back_tension, point, false,
                                    results.reverse_tension, results.reverse_held);
    write_columns(links, results.forward_tension, results.forward, results.forward_sidewall);
    write_columns(links, results.reverse_tension, results.reverse, results.reverse_sidewall);
    const double forward_end = end_pull_highest(results, point, forward, true);
    const double reverse_end = end_pull_highest(results, point, reverse, false);
    results.forward_percent = tension_percent(forward_end, settings.allowable);
    results.forward_share = tension_share_text(forward_end, settings.allowable);
    results.reverse_percent = tension_percent(reverse_end, settings.allowable);
    results.reverse_share = tension_share_text(reverse_end, settings.allowable);
}

struct PullRunner::Route {
    Route(const std::vector<PullLinkValues>& links, const PullSettings& settings)
        : links(links), step(links, geometry, settings, true) {}

    const std::vector<PullLinkValues>& links;
    PullResults geometry;
    LinkStep step;
};

PullRunner::PullRunner(const std::vector<PullLinkValues>& links, const PullSettings& settings)
    : route_(std::make_unique<Route>(links, settings)) {}

PullRunner::~PullRunner() = default;

double PullRunner::step(std::size_t i, double tension, bool forward) {
    return route_->step(i, tension, forward).tension;
}

BendPass PullRunner::pass(std::size_t i, double tension, bool forward) {
    return route_->step(i, tension, forward);
}

double PullRunner::end_pull_highest(std::size_t s, bool forward) {
    const std::size_t n = route_->links.size();
    double most = -std::numeric_limits<double>::infinity();
    double tension = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = forward ? k : n - 1 - k;
        if (in_end_pull(i, s, forward)) {
            tension = route_->step(i, tension, forward).tension;
            most = std::max(most, tension);
        }
    }
    return most;
}

std::string_view design_allowable_text(UnitSystem units) {
    return units == UnitSystem::Metric ? "50" : "10";
}

std::string_view design_weight_text(UnitSystem units) {
    return units == UnitSystem::Metric ? "0.0075" : "5";
}

void show_columns(const std::vector<PullLinkValues>& links, UnitSystem units,
                  std::string_view decimal, PullResults& results) {
    PullResults::Shown& shown = results.shown;
    for (TextColumn* column :
         {&shown.forward, &shown.forward_sidewall, &shown.reverse, &shown.reverse_sidewall}) {
        column->clear();
    }
    if (units != UnitSystem::Metric) {
        return;
    }
    const std::size_t n = links.size();
    // A bend's sidewall pressure is its tension over its length; a bend of no length has none.
    const auto pressure = [&](std::size_t i, double tension) {
        return sidewall_per_foot(tension, links[i].length);
    };
    const auto largest = [&](const std::vector<double>& tensions, bool sidewall) {
        double most = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (!sidewall) {
                most = std::max(most, std::fabs(tensions[i]));
            } else if (!links[i].straight && links[i].length != 0) {
                most = std::max(most, std::fabs(pressure(i, tensions[i])));
            }
        }
        return most;
    };
    std::string scratch;
    const auto write = [&](const std::vector<double>& tensions, TextColumn& column,
                           ColumnUnit& unit, TextColumn& sidewall, ColumnUnit& sidewall_unit) {
        unit = column_unit(Quantity::Tension, units, largest(tensions, false));
        sidewall_unit = column_unit(Quantity::Pressure, units, largest(tensions, true));
        column.reserve(n, n * 6);
        sidewall.reserve(n, n * 4);
        for (std::size_t i = 0; i < n; ++i) {
            column.push_back(
                column_value_view(tensions[i], Quantity::Tension, unit, decimal, scratch));
            if (links[i].straight) {
                sidewall.push_back("0");
            } else if (links[i].length == 0) {
                sidewall.push_back(kNoLengthText);
            } else {
                sidewall.push_back(column_value_view(pressure(i, tensions[i]), Quantity::Pressure,
                                                     sidewall_unit, decimal, scratch));
            }
        }
    };
    write(results.forward_tension, shown.forward, shown.forward_unit, shown.forward_sidewall,
          shown.forward_sidewall_unit);
    write(results.reverse_tension, shown.reverse, shown.reverse_unit, shown.reverse_sidewall,
          shown.reverse_sidewall_unit);
}

std::optional<std::string> inherited_incline_text(const std::vector<PullLinkValues>& links,
                                                  const PullResults& results, std::size_t i,
                                                  const NumberLocale& locale) {
    if (!results.elevation || i >= links.size() || i >= results.inclination_in.size() ||
        !links[i].straight || links[i].inclined || results.inclination_in[i] == 0) {
        return std::nullopt;
    }
    // Degrees to two decimals, as the Angle column's typed figures read (the radians of 90
    // degrees come back as 89.99999999999993).
    const double degrees = results.inclination_in[i] * kDegreesPerRadian;
    return '(' +
           locale_number_text(general_number_text(leadingValue(fixed_number_text(degrees, 2))),
                              locale) +
           ')';
}

std::string shown_link_figure(std::string_view text, const NumberLocale& locale) {
    const std::string_view figure = trimmed_blanks(text);
    const std::size_t point = figure.find(locale.decimal);
    if (point == std::string_view::npos || figure.size() - point - locale.decimal.size() <= 4 ||
        figure.find_first_of("eEdD") != std::string_view::npos || !isNumberText(figure, locale)) {
        return std::string(text);
    }
    const double two = leadingValue(fixed_number_text(read_input(figure, locale), 2));
    return locale_number_text(general_number_text(two), locale);
}

std::optional<Message> inch_pound_refusal(const PullSettingsTexts& settings,
                                          const std::vector<std::string>& lengths, UnitSystem units,
                                          const NumberLocale& locale) {
    const auto overflows = [&](const std::string& text, Quantity quantity) {
        if (!isNumberText(text, locale)) {
            return false;
        }
        const double value = read_input(text, locale);
        return std::isfinite(value) && !std::isfinite(inch_pound_value(value, quantity, units));
    };
    const auto refusal = [&](Message what, const std::string& text, Quantity quantity) {
        //: %1 what is refused ("the cable weight"), %2 its text as typed, %3 its unit, %4 the
        //: inch-pound unit a report holds it in.
        return Message(TENSORA_TEXT("Plan", "%1 (%2 %3) is beyond what a report holds in %4"))
            .nested(std::move(what))
            .data(text)
            .data(std::string(unit_symbol(quantity, units)))
            .data(std::string(unit_symbol(quantity, UnitSystem::InchPound)));
    };
    const std::pair<MessageSource, std::pair<const std::string*, Quantity>> boxes[] = {
        {TENSORA_TEXT("Plan", "the allowable tension"), {&settings.allowable, Quantity::Tension}},
        {TENSORA_TEXT("Plan", "the cable weight"), {&settings.weight, Quantity::Weight}},
        {TENSORA_TEXT("Plan", "the back tension"), {&settings.back_tension, Quantity::Tension}}};
    for (const auto& [what, box] : boxes) {
        if (overflows(*box.first, box.second)) {
            return refusal(what, *box.first, box.second);
        }
    }
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (overflows(lengths[i], Quantity::Length)) {
            return refusal(Message(TENSORA_TEXT("Plan", "the length of link %1")).link(i),
                           lengths[i], Quantity::Length);
        }
    }
    return std::nullopt;
}

PullResults pullcalc(const std::vector<PullLinkTexts>& links, const PullSettingsTexts& settings,
                     const NumberLocale& locale, UnitSystem units) {
    std::vector<PullLinkValues> values;
    values.reserve(links.size());
    for (const PullLinkTexts& link : links) {
        values.push_back(read_link(link, locale, units));
    }
    const bool chosen =
        settings.selected >= 0 && static_cast<std::size_t>(settings.selected) < links.size();
    PullResults results;
    calculate_pull(values, chosen ? std::string_view(links[settings.selected].number) : "",
                   read_pull_settings(settings, locale, units), results);
    show_columns(values, units, locale.decimal, results);
    return results;
}

} // namespace tensora
