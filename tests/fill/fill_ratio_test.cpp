#include "fill/conduit_tables.h"
#include "fill/fill_ratio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tensora {
namespace {

using Texts = std::vector<std::string>;
const NumberLocale kEnglish{".", ","};

Texts pipe_ids(ConduitStandardId id) {
    Texts ids;
    for (const ConduitSize& size : conduit_standard(id).sizes) {
        ids.emplace_back(size.pipe_id);
    }
    return ids;
}

// The rows of a standard for these ODs, as "area percent" texts.
Texts rate(const Texts& diameters, ConduitStandardId id = ConduitStandardId::Schedule40,
           std::string_view preferred = "60") {
    const CableTotals totals = cable_totals(diameters, kEnglish);
    Texts rows;
    for (const SizeRating& rating :
         fillcalc(pipe_ids(id), {preferred, totals.total_area, totals.pair_width}, kEnglish)) {
        rows.push_back(rating.area + " " + rating.percent);
    }
    return rows;
}

TEST(ConduitTables, HoldTheThreeStandardsInOrder) {
    const ConduitStandard& sch40 = conduit_standard(ConduitStandardId::Schedule40);
    const ConduitStandard& sdr11 = conduit_standard(ConduitStandardId::Sdr11);
    const ConduitStandard& sdr135 = conduit_standard(ConduitStandardId::Sdr135);
    EXPECT_EQ(sch40.name, "Schedule 40");
    EXPECT_EQ(sdr11.name, "SDR 11");
    EXPECT_EQ(sdr135.name, "SDR 13.5");
    EXPECT_EQ(sch40.sizes.size(), 11u);
    EXPECT_EQ(sdr11.sizes.size(), 7u);
    EXPECT_EQ(sdr135.sizes.size(), 6u);
    EXPECT_EQ(sch40.sizes[3].trade_size, "1 1/4");
    EXPECT_EQ(sch40.sizes[3].pipe_id, "1.360");
    EXPECT_EQ(sch40.sizes[9].trade_size, "4");
    EXPECT_EQ(sch40.sizes[10].pipe_id, "5.047");
    EXPECT_EQ(sdr11.sizes[0].trade_size, "13 mm");
    EXPECT_EQ(sdr11.sizes[0].pipe_id, "0.500");
    EXPECT_EQ(sdr11.sizes[6].pipe_id, "1.917");
    EXPECT_EQ(sdr135.sizes[0].pipe_id, "0.696");
    EXPECT_EQ(sdr135.sizes[5].pipe_id, "2.002");
    EXPECT_EQ(conduit_standard_by_key("sdr135"), ConduitStandardId::Sdr135);
    EXPECT_EQ(conduit_standard_by_key("SDR 11"), std::nullopt);
}

TEST(CableTotals, ListAreasTheirSumAndTheWidestPair) {
    const CableTotals totals = cable_totals({"0.5", "0.4"}, kEnglish);
    EXPECT_EQ(totals.areas, Texts({"0.19625", "0.1256"}));
    EXPECT_EQ(totals.total_area, "0.32185");
    EXPECT_EQ(totals.count, "2 cables");
    EXPECT_EQ(totals.pair_width, "0.9");
    EXPECT_EQ(cable_totals({}, kEnglish).count, "0 cables");
    EXPECT_EQ(cable_totals({}, kEnglish).total_area, "0");
    EXPECT_EQ(cable_totals({"0.7"}, kEnglish).count, "1 cables");
    EXPECT_EQ(cable_totals({"0.7"}, kEnglish).pair_width, "0.7");
    EXPECT_EQ(cable_totals({"0.2", "0.9", "0.3", "0.8"}, kEnglish).pair_width, "1.7");
}

TEST(Fillcalc, RatesTheWorkedExample) {
    EXPECT_EQ(rate({"0.5", "0.4"}),
              Texts({".2845 over", ".5074 over", ".8312 38.72%", "1.4519 22.17%", "1.9597 16.42%",
                     "3.2893 9.78%", "4.7853 6.73%", "7.3889 4.36%", "9.8818 3.26%",
                     "12.7238 2.53%", "19.9957 1.61%"}));
}

TEST(Fillcalc, RatesASizeOverWhenThePairIsWiderThanThePipe) {
    const CableTotals totals = cable_totals({"0.5", "0.55"}, kEnglish);
    EXPECT_EQ(totals.pair_width, "1.05");
    EXPECT_EQ(totals.total_area, "0.4337125");
    const Texts rows = rate({"0.5", "0.55"});
    EXPECT_EQ(rows[2], ".8312 over"); // 52.18 % fits, the width 1.05 does not
    EXPECT_EQ(rows[3], "1.4519 29.87%");
}

TEST(Fillcalc, CountsEqualityAsFitting) {
    // 1.57 of a pipe area of 3.14 is exactly 50 %, and the pair is exactly as wide as the pipe.
    const auto fitting = fillcalc({"2.000"}, {"50", "1.57", "2"}, kEnglish);
    EXPECT_EQ(fitting[0].area, "3.14");
    EXPECT_EQ(fitting[0].percent, "50.%");
    EXPECT_EQ(fillcalc({"2.000"}, {"49.99", "1.57", "2"}, kEnglish)[0].percent, "over");
    EXPECT_EQ(fillcalc({"2.000"}, {"60", "1.57", "2.001"}, kEnglish)[0].percent, "over");
    // The cables' area exactly the pipe's (0.785 sq in as displayed) fits too.
    EXPECT_EQ(fillcalc({"1.000"}, {"150", "0.785", "0.1"}, kEnglish)[0].percent, "100.%");
}

TEST(Fillcalc, RatesOverAPipeTheCablesOutgrowWhateverTheMaximum) {
    EXPECT_EQ(fillcalc({"1.000"}, {"150", "0.8", "0.1"}, kEnglish)[0].percent, "over");
    EXPECT_EQ(fillcalc({"1.000"}, {"150", "0.78", "0.1"}, kEnglish)[0].percent, "99.36%");
}

TEST(Fillcalc, WritesNoFillAsThePointAndPercentSign) {
    EXPECT_EQ(rate({}, ConduitStandardId::Sdr11),
              Texts({".1963 .%", ".3503 .%", ".5526 .%", ".8671 .%", "1.3928 .%", "1.8328 .%",
                     "2.8848 .%"}));
}

TEST(Fillcalc, RatesASingleCableAgainstNarrowerAndWiderPipes) {
    const Texts rows = rate({"0.7"}, ConduitStandardId::Schedule40, "100");
    EXPECT_EQ(rows[0], ".2845 over"); // 0.602 in: narrower than the cable, and smaller in area
    EXPECT_EQ(rows[1], ".5074 75.81%");
}

TEST(Fillcalc, RatesEverySizeOverForACableBeyondADouble) {
    const CableTotals totals = cable_totals({"1e200", "0.5"}, kEnglish);
    EXPECT_EQ(totals.areas[0], kNotFiniteText);
    EXPECT_EQ(totals.total_area, kNotFiniteText);
    for (const std::string& row : rate({"1e200", "0.5"})) {
        EXPECT_TRUE(row.ends_with(" over")) << row;
    }
}

TEST(OdRefusal, TakesOnlyPositiveNumbers) {
    EXPECT_EQ(od_refusal("0.5", kEnglish), std::nullopt);
    EXPECT_EQ(od_refusal(" 1.25 ", kEnglish), std::nullopt);
    EXPECT_EQ(od_refusal("abc", kEnglish), OdRefusal::NotANumber);
    EXPECT_EQ(od_refusal("", kEnglish), OdRefusal::NotANumber);
    EXPECT_EQ(od_refusal("0", kEnglish), OdRefusal::NotPositive);
    EXPECT_EQ(od_refusal("-0.5", kEnglish), OdRefusal::NotPositive);
    // Beyond the computer's numbers, alone or with the cables listed: never "Out of range".
    EXPECT_EQ(od_refusal("1e400", kEnglish), OdRefusal::NotFinite);
    EXPECT_EQ(od_refusal("1e200", kEnglish), OdRefusal::NotFinite); // its area
    EXPECT_EQ(od_refusal("1.5e154", kEnglish), std::nullopt);
    EXPECT_EQ(od_refusal("1.5e154", kEnglish, {"1.5e154"}), OdRefusal::NotFinite); // the total
}

} // namespace
} // namespace tensora
