// The least radius a cable may be bent to, by its kind, as multiples of its outside diameter:
// under pulling tension and once trained in place. The rules of the electrical code and the
// cable makers that inspectors check.
#pragma once

#include "numbers/message.h"
#include "numbers/number_rules.h"

#include <optional>
#include <string>
#include <string_view>

namespace tensora {

enum class CableKind {
    Unknown,
    NonShielded,   // power, not shielded: 8 × OD
    Shielded,      // shielded or lead-covered power (above 1000 V): 12 × OD
    McSmooth,      // metal-clad, smooth sheath: 10, 12 or 15 × OD by the OD
    McInterlocked, // metal-clad, interlocked or corrugated: 7 × OD
    Fibre,         // fibre optic: 20 × OD under tension, 10 × installed
    Multiple       // a multiple of the OD the user gives
};

struct BendingKind {
    CableKind kind = CableKind::Unknown;
    double multiple = 0; // for Multiple
    bool known() const { return kind != CableKind::Unknown; }
    bool operator==(const BendingKind&) const = default;
};

// The command line's and the report's words: "shielded", "non-shielded", "mc-smooth",
// "mc-interlocked", "fibre", or the multiple as a number ("9"); "" for a kind not known.
std::string bending_kind_key(const BendingKind& kind);
// The kind of a key (a multiple read by the number rules, above 0); none for a key that is no
// kind. An empty key is the kind not known.
std::optional<BendingKind> bending_kind_by_key(std::string_view key, const NumberLocale& locale);

// The kinds a window offers, in its order (the typed multiple last).
inline constexpr CableKind kOfferedKinds[] = {CableKind::Unknown,     CableKind::NonShielded,
                                              CableKind::Shielded,    CableKind::McSmooth,
                                              CableKind::McInterlocked, CableKind::Fibre,
                                              CableKind::Multiple};
Message cable_kind_name(CableKind kind); // "shielded or lead-covered power"

// A cable's least bending radii, inches, with the multiples and the rule they come from.
struct MinimumRadius {
    double pulling = 0; // under pulling tension
    double trained = 0; // once trained in place
    double pulling_multiple = 0;
    double trained_multiple = 0;
    Message rule; // "12 × OD, shielded or lead-covered power"
};
// None for a kind not known (or a cable without a diameter).
std::optional<MinimumRadius> minimum_bending_radius(const BendingKind& kind, double od);

} // namespace tensora
