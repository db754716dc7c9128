#include "fill/pull_box.h"
#include "pullplan/bending_radius.h"
#include "pullplan/pull_check.h"
#include "support/messages.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

TEST(BendingRadius, EachKindsMultipleOfTheDiameterUnderTensionAndInPlace) {
    const auto least = [](CableKind kind, double od, double multiple = 0) {
        const auto radius = minimum_bending_radius({kind, multiple}, od);
        return std::pair{radius->pulling, radius->trained};
    };
    EXPECT_EQ(least(CableKind::NonShielded, 1), std::pair(8.0, 8.0));
    EXPECT_EQ(least(CableKind::Shielded, 1.6), std::pair(12 * 1.6, 12 * 1.6));
    EXPECT_EQ(least(CableKind::McInterlocked, 2), std::pair(14.0, 14.0));
    EXPECT_EQ(least(CableKind::Fibre, 0.5), std::pair(10.0, 5.0));
    EXPECT_EQ(least(CableKind::Multiple, 2, 9), std::pair(18.0, 18.0));
    // The smooth sheath's multiple by the diameter, its edges inclusive.
    EXPECT_EQ(least(CableKind::McSmooth, 0.75).first, 7.5);
    EXPECT_EQ(least(CableKind::McSmooth, 0.76).first, 0.76 * 12);
    EXPECT_EQ(least(CableKind::McSmooth, 1.5).first, 18.0);
    EXPECT_EQ(least(CableKind::McSmooth, 1.51).first, 1.51 * 15);
    EXPECT_FALSE(minimum_bending_radius({}, 1));
    EXPECT_EQ(bending_kind_by_key("mc-smooth", kEnglish)->kind, CableKind::McSmooth);
    EXPECT_EQ(bending_kind_by_key("7.5", kEnglish)->multiple, 7.5);
    EXPECT_FALSE(bending_kind_by_key("0", kEnglish));
    EXPECT_FALSE(bending_kind_by_key("armoured", kEnglish));
    EXPECT_EQ(bending_kind_key(*bending_kind_by_key("fibre", kEnglish)), "fibre");
}

// A shielded 15 kV cable of 1.6 in: a straight, a bend of `radius` inches, a straight.
CheckResult shielded_bend(double radius_inches, const std::string& kind = "shielded") {
    const auto link = [](std::string type, double length, std::string angle) {
        return read_link({std::move(type), general_number_text(length), std::move(angle), ""},
                         kEnglish);
    };
    const std::vector<PullLinkValues> links{link("Straight", 100, "0"),
                                            link("Angle", radius_inches / 12 * 90 / 57.3, "90"),
                                            link("Straight", 50, "0")};
    CheckInputTexts texts;
    texts.conduit_id = "5";
    texts.cable_od = "1.6";
    texts.cables = 1;
    texts.cable_kind = kind;
    PullSettings settings;
    settings.friction = 0.3;
    settings.weight = 2000;
    settings.allowable = 10000;
    return check_pull(links, settings, read_check_inputs(texts, kEnglish));
}

TEST(BendingRadius, AShieldedCableIsFoundTooTightAt18InAndNotAt20) {
    const CheckResult tight = shielded_bend(18);
    ASSERT_EQ(tight.bend_radii.size(), 1u);
    EXPECT_TRUE(tight.bend_radii[0].pulling_under);
    EXPECT_EQ(english_text(tight.verdict),
              "The bend at link 2 has a radius of 18 in, below the cable's least bending radius "
              "of 19.2 in (12 × OD, shielded or lead-covered power)");
    const CheckResult wide = shielded_bend(20);
    EXPECT_FALSE(wide.bend_radii[0].pulling_under);
    EXPECT_TRUE(wide.ok);
    // A kind not known: nothing found, and said so.
    const CheckResult unknown = shielded_bend(18, "");
    EXPECT_TRUE(unknown.ok);
    EXPECT_EQ(english_text(unknown.radius_note),
              "The bending radius was not checked for 1 cable whose kind is not known");
    // Fibre: 20 × under tension, 10 × in place; 18 in on a 1.6 in fibre cable fails only pulled.
    const CheckResult fibre = shielded_bend(18, "fibre");
    EXPECT_TRUE(fibre.bend_radii[0].pulling_under);
    EXPECT_FALSE(fibre.bend_radii[0].trained_under);
    EXPECT_NE(english_text(fibre.verdict).find("of 32 in under pulling tension"),
              std::string::npos);
}

// Bends of the angles given, each between two straights.
std::vector<PullLinkValues> bends(const std::vector<std::string>& angles) {
    std::vector<PullLinkValues> links{read_link({"Straight", "10", "0", ""}, kEnglish)};
    for (const std::string& angle : angles) {
        links.push_back(read_link({"Angle", "2", angle, ""}, kEnglish));
    }
    links.push_back(read_link({"Straight", "10", "0", ""}, kEnglish));
    return links;
}

TEST(PullPoints, ThePublishedSumsOfBendsPassAndFailAt360) {
    const auto over = [](const std::vector<std::string>& angles) {
        const auto stretches = bend_stretches(bends(angles), std::nullopt);
        EXPECT_EQ(stretches.size(), 1u);
        return std::pair{stretches.front().degrees, stretches.front().over};
    };
    EXPECT_EQ(over({"90", "90", "90", "90"}), std::pair(360.0, false));
    EXPECT_EQ(over({"90", "90", "90", "45"}), std::pair(315.0, false));
    EXPECT_EQ(over({"90", "90", "90", "90", "90"}), std::pair(450.0, true));
    EXPECT_EQ(over({"90", "90", "90", "90", "30", "-30"}), std::pair(420.0, true));
}

TEST(PullPoints, AMarkedLinkOrTheMidAssistPointSplitsTheRoute) {
    std::vector<PullLinkValues> links = bends({"90", "90", "90", "90", "90"});
    links[3].pull_point = true; // the third bend is a conduit body
    auto stretches = bend_stretches(links, std::nullopt);
    ASSERT_EQ(stretches.size(), 2u);
    EXPECT_EQ(stretches[0].from, 0);
    EXPECT_EQ(stretches[0].to, 2);
    EXPECT_EQ(stretches[0].degrees, 180);
    EXPECT_EQ(stretches[1].from, 4);
    EXPECT_EQ(stretches[1].degrees, 180);
    links[3].pull_point = false;
    stretches = bend_stretches(links, 2); // after link 3
    ASSERT_EQ(stretches.size(), 2u);
    EXPECT_EQ(stretches[0].to, 2);
    EXPECT_EQ(stretches[0].degrees, 180);
    EXPECT_EQ(stretches[1].degrees, 270);
    EXPECT_FALSE(stretches[1].over);
}

double box(PullKind kind, const std::vector<std::string>& sizes, int line = 0,
           UnitSystem units = UnitSystem::InchPound) {
    std::vector<TradeSize> read;
    for (const std::string& size : sizes) {
        read.push_back(*read_trade_size(size, std::nullopt, units).size);
    }
    const PullBox pulled = pull_box(kind, read, units);
    return line == 0 ? pulled.minimum_length.value_or(-1)
           : line == 1 ? pulled.to_opposite_wall.value_or(-1)
                       : pulled.between_entries.value_or(-1);
}

TEST(PullBox, ThePublishedBoxesAndTheMetricDesignators) {
    EXPECT_EQ(box(PullKind::Straight, {"2"}), 16);
    EXPECT_EQ(box(PullKind::Straight, {"2 1/2", "2", "1-1/2"}), 20);
    EXPECT_EQ(box(PullKind::Straight, {"3"}), 24);
    EXPECT_EQ(box(PullKind::Straight, {"2", "4", "2", "2"}), 32); // the largest need not lead
    EXPECT_EQ(box(PullKind::Angle, {"4", "2", "2"}, 1), 28);
    EXPECT_EQ(box(PullKind::Angle, {"3", "2"}, 1), 20);
    EXPECT_EQ(box(PullKind::Angle, {"3", "2"}, 2), 18);
    EXPECT_EQ(box(PullKind::U, {"2"}, 1), 12);
    EXPECT_EQ(box(PullKind::Angle, {"2"}, 0), -1); // no length rule for an angle pull
    EXPECT_EQ(box(PullKind::Straight, {"53"}, 0, UnitSystem::Metric), 424);
    EXPECT_EQ(box(PullKind::Angle, {"103 mm", "53"}, 1, UnitSystem::Metric), 6 * 103 + 53);
}

TEST(PullBox, ASizeTheTableLacksIsRefusedByName) {
    const ReadTradeSize six = read_trade_size("6", ConduitStandardId::Emt, UnitSystem::InchPound);
    EXPECT_FALSE(six.size);
    EXPECT_EQ(english_text(six.refusal), "\"6\" is not a trade size of EMT");
    EXPECT_TRUE(read_trade_size("4", ConduitStandardId::Emt, UnitSystem::InchPound).size);
    EXPECT_FALSE(read_trade_size("2 3/8", std::nullopt, UnitSystem::InchPound).size);
    EXPECT_FALSE(read_trade_size("50", std::nullopt, UnitSystem::Metric).size);
}

} // namespace
} // namespace tensora
