#include "numbers/number_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};
const NumberLocale kGerman{",", "."};
const NumberLocale kFrench{",", "\u202f"};
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct LeadingCase {
    const char* text;
    double value;
};

std::ostream& operator<<(std::ostream& out, const LeadingCase& c) {
    return out << '"' << c.text << '"';
}

class LeadingValueTest : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingValueTest, ReadsTheNumberAtTheStartOfTheText) {
    const LeadingCase& c = GetParam();
    EXPECT_EQ(leadingValue(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LeadingValueTest,
    testing::Values(LeadingCase{"12abc", 12}, LeadingCase{"1,000", 1}, LeadingCase{"2 5", 25},
                    LeadingCase{"", 0}, LeadingCase{".5", 0.5}, LeadingCase{"abc", 0},
                    LeadingCase{"123.7", 123.7}, LeadingCase{"0.150", 0.15},
                    LeadingCase{"-12.5", -12.5}, LeadingCase{"+3", 3}, LeadingCase{"- 5", -5},
                    LeadingCase{"--5", 0}, LeadingCase{"-", 0}, LeadingCase{".", 0},
                    LeadingCase{"5.", 5}, LeadingCase{"1.2.3", 1.2}, LeadingCase{" \t\n12", 12},
                    LeadingCase{"1 2 . 5", 12.5}, LeadingCase{"\r5", 5}, LeadingCase{"1e3", 1000},
                    LeadingCase{"1E+3", 1000}, LeadingCase{"2.5D2", 250}, LeadingCase{"1d-2", 0.01},
                    LeadingCase{"1 e 2", 100}, LeadingCase{"1e", 1}, LeadingCase{"1e+", 1},
                    LeadingCase{"7E2x", 700}, LeadingCase{"&H1F", 31}, LeadingCase{"&h1f", 31},
                    LeadingCase{"&HFFFF", 65535}, LeadingCase{"&O17", 15}, LeadingCase{"&o178", 15},
                    LeadingCase{"&H", 0}, LeadingCase{"&X1", 0}, LeadingCase{"&", 0},
                    LeadingCase{"0.1", 0.1}, LeadingCase{"4.9e-324", 4.9e-324},
                    LeadingCase{"1.7976931348623157e308", 1.7976931348623157e308},
                    LeadingCase{"1e999", kInfinity}, LeadingCase{"-1e999", -kInfinity},
                    LeadingCase{"1e-999", 0}, LeadingCase{"1e99999999999999999999", kInfinity},
                    LeadingCase{"0.000e999", 0}));

TEST(LeadingValue, ReadsLongDigitRunsExactly) {
    EXPECT_EQ(leadingValue(std::string("1") + std::string(400, '0')), kInfinity);
    EXPECT_EQ(leadingValue("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(leadingValue("000000000000000000000000000012.50000000000000000000000000"), 12.5);
    EXPECT_EQ(leadingValue("0.1000000000000000055511151231257827"), 0.1);
}

struct NumberTextCase {
    const char* text;
    bool english;
    bool german;
};

std::ostream& operator<<(std::ostream& out, const NumberTextCase& c) {
    return out << '"' << c.text << '"';
}

class IsNumberTextTest : public testing::TestWithParam<NumberTextCase> {};

TEST_P(IsNumberTextTest, AcceptsOnlyAWholeNumberInTheLocale) {
    const NumberTextCase& c = GetParam();
    EXPECT_EQ(isNumberText(c.text, kEnglish), c.english) << '"' << c.text << "\" in English";
    EXPECT_EQ(isNumberText(c.text, kGerman), c.german) << '"' << c.text << "\" in German";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, IsNumberTextTest,
    testing::Values(NumberTextCase{"12", true, true}, NumberTextCase{"12abc", false, false},
                    NumberTextCase{"123.7", true, false}, NumberTextCase{"1,000", true, true},
                    NumberTextCase{"1,000.5", true, false}, NumberTextCase{"1.000,5", false, true},
                    NumberTextCase{",100", false, true}, NumberTextCase{"1,", false, true},
                    NumberTextCase{"1,,0", false, false}, NumberTextCase{"", false, false},
                    NumberTextCase{"   ", false, false}, NumberTextCase{" 12 ", true, true},
                    NumberTextCase{"\t7\r\n", true, true}, NumberTextCase{"-", false, false},
                    NumberTextCase{".", false, false}, NumberTextCase{"-.5", true, false},
                    NumberTextCase{"5.", true, false}, NumberTextCase{"+1", true, true},
                    NumberTextCase{"1e5", true, true}, NumberTextCase{"1E-5", true, true},
                    NumberTextCase{"2.5D+2", true, false}, NumberTextCase{"1e", false, false},
                    NumberTextCase{"1e+", false, false}, NumberTextCase{"2 5", false, false},
                    NumberTextCase{"1.2.3", false, false}, NumberTextCase{"&H1F", false, false},
                    NumberTextCase{"--5", false, false}, NumberTextCase{"1-", false, false},
                    NumberTextCase{"1e999", true, true}, NumberTextCase{"12,345.5", true, false},
                    NumberTextCase{"1,234,567", true, false}, NumberTextCase{"100,5", false, true},
                    NumberTextCase{"1,2,3", false, false}, NumberTextCase{"1000,000", false, true},
                    NumberTextCase{",5", false, true}, NumberTextCase{"1,000,00", false, false},
                    NumberTextCase{"1.000.000,25", false, true},
                    NumberTextCase{"1,000.5,0", false, false}));

TEST(IsNumberText, TakesMultiByteSeparators) {
    EXPECT_TRUE(isNumberText("1\u202f000,5", kFrench));
    EXPECT_FALSE(isNumberText("1\u202f", kFrench));
    EXPECT_FALSE(isNumberText("1.5", kFrench));
}

TEST(ReadInput, ReadsANumberTextAsTheLocaleWritesIt) {
    EXPECT_EQ(read_input("1,000", kEnglish), 1000);
    EXPECT_EQ(read_input("12,345,678.25", kEnglish), 12345678.25);
    EXPECT_EQ(read_input(" -1,000.5 ", kEnglish), -1000.5);
    EXPECT_EQ(read_input("1,000e2", kEnglish), 100000);
    EXPECT_EQ(read_input("1,5", kGerman), 1.5);
    EXPECT_EQ(read_input("1.000", kGerman), 1000);
    EXPECT_EQ(read_input("1\u202f000,5", kFrench), 1000.5);
    EXPECT_EQ(read_input("\r100\r\n", kEnglish), 100);
}

TEST(ReadInput, ReadsEveryOtherTextByItsLeadingNumber) {
    EXPECT_EQ(read_input("12abc", kEnglish), 12);
    EXPECT_EQ(read_input("1,000abc", kEnglish), 1);
    EXPECT_EQ(read_input("", kEnglish), 0);
    EXPECT_EQ(read_input("100,5", kEnglish), 100); // a decimal comma is warned about, not grouped
    EXPECT_EQ(read_input(",5", kEnglish), 0);
    EXPECT_EQ(read_input("1,000,00", kEnglish), 1);
    EXPECT_EQ(read_input("1.5", kGerman), 1.5);
    EXPECT_EQ(read_input("&H10", kEnglish), 16);
}

struct WholeCase {
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const WholeCase& c) {
    return out << c.value;
}

class WholeResultTextTest : public testing::TestWithParam<WholeCase> {};

TEST_P(WholeResultTextTest, RoundsDown) {
    EXPECT_EQ(wholeResultText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WholeResultTextTest,
    testing::Values(WholeCase{37.9, "37"}, WholeCase{-0.5, "-1"}, WholeCase{0.0075, "0"},
                    WholeCase{2.7, "2"}, WholeCase{1250, "1250"}, WholeCase{-0.1, "-1"},
                    WholeCase{0.0, "0"}, WholeCase{-0.0, "0"}, WholeCase{13333.33, "13333"},
                    WholeCase{999999999999999.9, "999999999999999"}, WholeCase{1e15, "1E+15"},
                    WholeCase{-1e20, "-1E+20"},
                    // Whole to 12 significant digits: a trip through other units and back.
                    WholeCase{999.9999999999999, "1000"}, WholeCase{42.99999999999999, "43"},
                    WholeCase{-3.0000000000001, "-3"}, WholeCase{0.99999999, "0"},
                    WholeCase{1e-13, "0"}, WholeCase{-1e-13, "-1"},
                    WholeCase{123456789012.7, "123456789012"},
                    WholeCase{1.2345678901234567e300, "1.23456789012346E+300"},
                    WholeCase{kInfinity, "Out of range"}, WholeCase{-kInfinity, "Out of range"},
                    WholeCase{std::nan(""), "Out of range"}));

struct PatternCase {
    double value;
    const char* pattern;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const PatternCase& c) {
    return out << c.value << " under " << c.pattern;
}

class FormatPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, WritesOnlySignificantDigits) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(format_pattern(c.value, c.pattern), c.text) << c.value << " under " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatPatternTest,
    testing::Values(
        PatternCase{27.98, "###", "28"}, PatternCase{9.49, "###", "9"}, PatternCase{0.4, "###", ""},
        PatternCase{0.5, "###", "1"}, PatternCase{2.5, "###", "3"}, PatternCase{-2.5, "###", "-3"},
        PatternCase{-0.4, "###", ""}, PatternCase{0.0, "###", ""},
        PatternCase{12345.6, "###", "12346"}, PatternCase{1e20, "###", "100000000000000000000"},
        PatternCase{3, "###.#", "3."}, PatternCase{0.9375, "###.#", ".9"},
        PatternCase{37.5, "###.#", "37.5"}, PatternCase{0.04, "###.#", "."},
        PatternCase{0.05, "###.#", ".1"}, PatternCase{2.25, "###.#", "2.3"},
        PatternCase{0.15, "#.#", ".2"}, PatternCase{1.005, "#.##", "1.01"},
        PatternCase{99.96, "###.#", "100."}, PatternCase{-0.96, "###.#", "-1."},
        PatternCase{0.28448714, "#.####", ".2845"}, PatternCase{19.995684, "#.####", "19.9957"},
        PatternCase{0.99999, "#.####", "1."}, PatternCase{1.4519, "#.####", "1.4519"},
        PatternCase{0.38721, "##.##%", "38.72%"}, PatternCase{1.1313, "##.##%", "113.13%"},
        PatternCase{0.0, "##.##%", ".%"}, PatternCase{0.5, "##.##%", "50.%"},
        PatternCase{0.00004, "##.##%", ".%"}, PatternCase{0.00005, "##.##%", ".01%"},
        PatternCase{kInfinity, "###", "Out of range"},
        PatternCase{std::nan(""), "##.##%", "Out of range"}));

TEST(FormatPattern, WritesTheLocaleDecimalSeparator) {
    EXPECT_EQ(format_pattern(3, "###.#", ","), "3,");
    EXPECT_EQ(format_pattern(37.5, "###.#", ","), "37,5");
    EXPECT_EQ(format_pattern(0.9375, "###.#", ","), ",9");
}

struct GeneralCase {
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const GeneralCase& c) {
    return out << c.value;
}

class GeneralNumberTextTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralNumberTextTest, WritesFifteenSignificantDigits) {
    EXPECT_EQ(general_number_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GeneralNumberTextTest,
    testing::Values(GeneralCase{0.19625, "0.19625"}, GeneralCase{0.1256, "0.1256"},
                    GeneralCase{0.9, "0.9"}, GeneralCase{12, "12"}, GeneralCase{0, "0"},
                    GeneralCase{-0.0, "0"}, GeneralCase{0.1 + 0.2, "0.3"},
                    GeneralCase{1.05, "1.05"}, GeneralCase{0.4337125, "0.4337125"},
                    GeneralCase{-2.5, "-2.5"}, GeneralCase{74.5 * 1000, "74500"},
                    GeneralCase{1.0 / 3, "0.333333333333333"},
                    GeneralCase{123456789012345, "123456789012345"}, GeneralCase{1e15, "1E+15"},
                    GeneralCase{2.5e20, "2.5E+20"}, GeneralCase{0.00001, "0.00001"},
                    GeneralCase{1.5e-7, "1.5E-07"}, GeneralCase{-1.25e-300, "-1.25E-300"},
                    GeneralCase{kInfinity, "Out of range"}));

TEST(WrittenNumbers, ReadBackAsTheNumbersTheyStandFor) {
    constexpr double kMax = std::numeric_limits<double>::max();
    for (const double value :
         {kMax, -kMax, std::numeric_limits<double>::min(),
          std::numeric_limits<double>::denorm_min(), 999999999999999.9, 1e15, 1.0 / 3}) {
        for (const std::string& text :
             {general_number_text(value), wholeResultText(value), format_pattern(value, "###.#")}) {
            const double back = leadingValue(text);
            ASSERT_TRUE(std::isfinite(back)) << text;
            const double whole = text == wholeResultText(value) ? std::floor(value) : value;
            EXPECT_LE(std::fabs(back - whole), std::fabs(whole) * 1e-14 + 0.05) << text;
        }
    }
    EXPECT_EQ(general_number_text(kMax), "1.79769313486231E+308");
}

} // namespace
} // namespace tensora

namespace tensora {
namespace {

TEST(NumberBeingTyped, IsANumberWhoseLastGroupIsNotCompleteYet) {
    const NumberLocale english{".", ","};
    const NumberLocale german{",", "."};
    for (const char* typed : {"1,", "1,0", "1,00", "-12,", "1,000,0", " 1,0 "}) {
        EXPECT_TRUE(is_number_being_typed(typed, english)) << typed;
    }
    for (const char* done : {"1,000", "1", ",5", "1.5,", "12345,6", "1,0000", "1,x", "", "1,0e"}) {
        EXPECT_FALSE(is_number_being_typed(done, english)) << done;
    }
    EXPECT_TRUE(is_number_being_typed("1.0", german));
    EXPECT_FALSE(is_number_being_typed("1,0", german)); // a whole number there
    EXPECT_FALSE(is_number_being_typed("1,", NumberLocale{".", ""}));
}

TEST(LocaleNumberText, WritesAPlainNumberAsTheLocaleReadsIt) {
    const NumberLocale german{",", "."};
    EXPECT_EQ(locale_number_text("0.420", german), "0,420");
    EXPECT_EQ(locale_number_text("162.6", german), "162,6");
    EXPECT_EQ(locale_number_text("1.5E-07", german), "1,5E-07");
    EXPECT_EQ(locale_number_text("12000", german), "12000");
    EXPECT_EQ(locale_number_text("VX-0.5", german), "VX-0.5"); // no number: as it is
    EXPECT_EQ(locale_number_text("0.420", NumberLocale{".", ","}), "0.420");
    for (const char* plain : {"0.420", "162.6", "12000", "1.5E-07", "-3.25"}) {
        EXPECT_EQ(read_input(locale_number_text(plain, german), german), leadingValue(plain));
    }
}

} // namespace
} // namespace tensora
