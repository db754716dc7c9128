#include "numbers/input_checks.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

TEST(RangeInputMessage, WarnsOnlyForTextsThatAreNotNumbers) {
    EXPECT_EQ(range_input_message("12abc", kEnglish), "Please enter a number");
    EXPECT_EQ(range_input_message("", kEnglish), "Please enter a number");
    EXPECT_EQ(range_input_message("-", kEnglish), "Please enter a number");
    EXPECT_FALSE(range_input_message("123.7", kEnglish));
    EXPECT_FALSE(range_input_message("1,000", kEnglish));
    EXPECT_FALSE(range_input_message("-5", kEnglish));
}

TEST(FrictionInputMessage, AcceptsCoefficientsFromZeroToOne) {
    for (const char* text : {"0", "1", "0.150", "0.5", " 1 ", ".0"}) {
        EXPECT_FALSE(friction_input_message(text, kEnglish)) << text;
    }
    for (const char* text : {"1.01", "-0.1", "abc", "", "0.5x", "-", "1,5"}) {
        EXPECT_EQ(friction_input_message(text, kEnglish),
                  "Enter a coefficient between 0 and 1.  If you don't know, use 0.5")
            << text;
    }
}

TEST(FrictionInputMessage, KeepsItsTwoBlanksAfterTheSentence) {
    EXPECT_EQ(Message(kEnterFriction),
              "Enter a coefficient between 0 and 1.  If you don't know, use 0.5");
}

TEST(SliderPosition, RoundsDownAndStaysInsideTheRange) {
    EXPECT_EQ(slider_position(123.7, 10, 5000), 123);
    EXPECT_EQ(slider_position(250, 10, 5000), 250);
    EXPECT_EQ(slider_position(0, 10, 5000), 10);
    EXPECT_EQ(slider_position(7500, 10, 5000), 5000);
    EXPECT_EQ(slider_position(-0.5, 0, 500), 0);
    EXPECT_EQ(slider_position(9.99, 10, 5000), 10);
    EXPECT_EQ(slider_position(1e12, 0, 500), 500);
    EXPECT_EQ(slider_position(std::numeric_limits<double>::infinity(), 0, 180), 180);
    EXPECT_EQ(slider_position(-std::numeric_limits<double>::infinity(), 0, 180), 0);
    EXPECT_EQ(slider_position(std::nan(""), 10, 2500), 10);
}

} // namespace
} // namespace tensora
