#include "pullplan/bending_radius.h"

#include <array>
#include <cmath>
#include <utility>

namespace tensora {
namespace {

constexpr std::array<std::pair<CableKind, std::string_view>, 5> kKeys{
    {{CableKind::NonShielded, "non-shielded"},
     {CableKind::Shielded, "shielded"},
     {CableKind::McSmooth, "mc-smooth"},
     {CableKind::McInterlocked, "mc-interlocked"},
     {CableKind::Fibre, "fibre"}}};

// Metal-clad cable with a smooth sheath: 10 × up to 3/4 in OD, 12 × up to 1 1/2 in, 15 × above.
double smooth_sheath_multiple(double od) {
    return od <= 0.75 ? 10 : od <= 1.5 ? 12 : 15;
}

} // namespace

std::string bending_kind_key(const BendingKind& kind) {
    if (kind.kind == CableKind::Multiple) {
        return general_number_text(kind.multiple);
    }
    for (const auto& [known, key] : kKeys) {
        if (known == kind.kind) {
            return std::string(key);
        }
    }
    return {};
}

std::optional<BendingKind> bending_kind_by_key(std::string_view key, const NumberLocale& locale) {
    const std::string_view word = trimmed_blanks(key);
    if (word.empty()) {
        return BendingKind{};
    }
    for (const auto& [kind, name] : kKeys) {
        if (word == name) {
            return BendingKind{kind};
        }
    }
    if (isNumberText(word, locale)) {
        const double multiple = read_input(word, locale);
        if (std::isfinite(multiple) && multiple > 0) {
            return BendingKind{CableKind::Multiple, multiple};
        }
    }
    return std::nullopt;
}

Message cable_kind_name(CableKind kind) {
    switch (kind) {
    case CableKind::NonShielded:
        return TENSORA_TEXT("Bending", "non-shielded power");
    case CableKind::Shielded:
        return TENSORA_TEXT("Bending", "shielded or lead-covered power");
    case CableKind::McSmooth:
        return TENSORA_TEXT("Bending", "metal-clad, smooth sheath");
    case CableKind::McInterlocked:
        return TENSORA_TEXT("Bending", "metal-clad, interlocked or corrugated");
    case CableKind::Fibre:
        return TENSORA_TEXT("Bending", "fibre optic");
    case CableKind::Multiple:
        return TENSORA_TEXT("Bending", "a multiple of the diameter");
    default:
        return TENSORA_TEXT("Bending", "kind not known");
    }
}

std::optional<MinimumRadius> minimum_bending_radius(const BendingKind& kind, double od) {
    if (!kind.known() || !(od > 0) || !std::isfinite(od)) {
        return std::nullopt;
    }
    MinimumRadius radius;
    switch (kind.kind) {
    case CableKind::NonShielded:
        radius.pulling_multiple = radius.trained_multiple = 8;
        break;
    case CableKind::Shielded:
        radius.pulling_multiple = radius.trained_multiple = 12;
        break;
    case CableKind::McSmooth:
        radius.pulling_multiple = radius.trained_multiple = smooth_sheath_multiple(od);
        break;
    case CableKind::McInterlocked:
        radius.pulling_multiple = radius.trained_multiple = 7;
        break;
    case CableKind::Fibre:
        radius.pulling_multiple = 20;
        radius.trained_multiple = 10;
        break;
    default:
        radius.pulling_multiple = radius.trained_multiple = kind.multiple;
        break;
    }
    radius.pulling = radius.pulling_multiple * od;
    radius.trained = radius.trained_multiple * od;
    if (kind.kind == CableKind::Fibre) {
        //: The fibre optic rule: %1 the multiple under tension, %2 installed.
        radius.rule = Message(TENSORA_TEXT("Bending", "%1 × OD pulling, %2 × OD installed, %3"))
                          .figure(Figure::number(radius.pulling_multiple))
                          .figure(Figure::number(radius.trained_multiple))
                          .nested(cable_kind_name(kind.kind));
    } else {
        //: A bending rule: %1 the multiple of the outside diameter, %2 the cable's kind.
        radius.rule = Message(TENSORA_TEXT("Bending", "%1 × OD, %2"))
                          .figure(Figure::number(radius.pulling_multiple))
                          .nested(cable_kind_name(kind.kind));
    }
    return radius;
}

} // namespace tensora
