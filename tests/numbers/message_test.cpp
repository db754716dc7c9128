#include "numbers/message.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

const NumberLocale kGerman{",", "."};

TEST(Message, FillsEachPlaceholderOnceWithItsOwnArgument) {
    Message message(MessageSource{"Test", "%2 before %1, %3% of it"});
    message.data("%2").count_arg(7).figure(Figure::fixed(12.345, 2));
    // An argument holding a placeholder stays as it is; a percent sign after one stays.
    EXPECT_EQ(english_text(message), "7 before %2, 12.35% of it");
    EXPECT_EQ(english_text(message, kGerman), "7 before %2, 12,35% of it");
}

TEST(Message, TakesTheFormForOneOnlyAtOne) {
    const auto cables = [](long long n) {
        return english_text(Message(MessageSource{"Test", "%n cables", "%n cable"}).counting(n));
    };
    EXPECT_EQ(cables(0), "0 cables");
    EXPECT_EQ(cables(1), "1 cable");
    EXPECT_EQ(cables(2), "2 cables");
}

TEST(Message, WritesEachFormOfFigureAsItsColumnsDo) {
    const ColumnUnit kilo{UnitSystem::Metric, true};
    const auto text = [](const Figure& figure) { return figure_text(figure, kGerman); };
    // 5000 lbs is 22.241 kN: an allowable tension never shows above itself, a minimum never
    // below itself.
    EXPECT_EQ(text(Figure::column_down(5000, Quantity::Tension, kilo)), "22,24 kN");
    Figure up = Figure::column(5000, Quantity::Tension, kilo);
    up.form = FigureForm::ReadingUp;
    EXPECT_EQ(text(up), "22,25 kN");
    EXPECT_EQ(text(Figure::column(0.2, Quantity::Tension, {})), "0 lbs");
    EXPECT_EQ(text(Figure::reading(12345.4, Quantity::Tension, UnitSystem::InchPound)),
              "12.345 lbs");
    EXPECT_EQ(text(Figure::limit(500, Quantity::Pressure, UnitSystem::Metric)), "7.297 N/m");
    EXPECT_EQ(text(Figure::typed(0.5, Quantity::Diameter, UnitSystem::Metric)), "12,7 mm");
    EXPECT_EQ(text(Figure::whole(10000, Quantity::Tension, UnitSystem::Metric).without_symbol()),
              "44482");
}

TEST(Message, JoinsFindingsInTheirOrder) {
    const Message joined =
        joined_messages({data_message("a"), data_message("b"), data_message("c")});
    EXPECT_EQ(english_text(joined), "a; b; c");
    EXPECT_TRUE(joined_messages({}).empty());
}

} // namespace
} // namespace tensora
