// Each figure the README quotes, read from the program: the README holds the sentence as it
// stands, and the command it names gives the figure.
#include "cli/cli.h"
#include "numbers/shown_figures.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <sstream>

namespace tensora {
namespace {

const std::string& readme() {
    static const std::string text = [] {
        std::ifstream file(TENSORA_README);
        std::ostringstream read;
        read << file.rdbuf();
        std::string whole = read.str();
        // Sentences wrap across lines: one blank for every line break.
        for (char& c : whole) {
            c = c == '\n' ? ' ' : c;
        }
        return whole;
    }();
    return text;
}

// The tensions of a pull as --json gives them, forward or in reverse.
std::vector<double> tensions(std::vector<std::string> arguments, bool forward = true) {
    arguments.insert(arguments.begin(), {"pull", "--json"});
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_cli(arguments, out, err), 0) << err.str();
    std::vector<double> found;
    const nlohmann::json pull = nlohmann::json::parse(out.str());
    for (const auto& link : pull.at("links")) {
        const auto& tension = link.at(forward ? "forward_tension" : "reverse_tension");
        found.push_back(tension.is_number() ? tension.get<double>() : NAN);
    }
    return found;
}

std::string whole(double pounds) {
    return lone_figure_text(pounds, Quantity::Tension, UnitSystem::InchPound);
}

void expect_quoted(const std::string& sentence) {
    EXPECT_NE(readme().find(sentence), std::string::npos) << "README lacks: " << sentence;
}

TEST(ReadmeFigures, TheRoutesThatClimbAndDrop) {
    const std::vector<double> riser = tensions({"--friction", "0.35", "--weight", "1500", "s:200",
                                                "u:4:90", "s:40"});
    expect_quoted("the tension grows to " + whole(riser[0]) + " lbs along the duct, " +
                  whole(riser[1]) + " lbs through the bend");
    expect_quoted("and " + whole(riser[2]) + " lbs at the top");
    const std::vector<double> dip =
        tensions({"--friction", "0.35", "--weight", "1500", "s:150", "d:5:15", "s:40", "u:10:30",
                  "s:40", "d:5:15", "s:150"});
    expect_quoted("both pulls end at " + whole(dip.back()) + " lbs");
    const std::vector<std::string> downhill{"--friction", "0.2", "--weight", "1500", "s:100",
                                            "b:3:90", "s:300:-25"};
    const double brought = tensions(downhill)[1];
    // The slope takes W (sin 25 - mu cos 25) off every foot of it.
    const double per_foot = 1.5 * (std::sin(25 / 57.3) - 0.2 * std::cos(25 / 57.3));
    std::ostringstream run_out;
    run_out << std::round(brought / per_foot * 10) / 10;
    expect_quoted("the " + whole(brought) + " lbs it brings to the slope run out after " +
                  run_out.str() + " ft");
    expect_quoted("it needs " + whole(tensions(downhill, false).front()) + " lbs");
}

TEST(ReadmeFigures, RoutesInThreeDimensionsAndTheWeightInBends) {
    const std::vector<double> climb =
        tensions({"--friction", "0", "--weight", "1000", "s:100:10", "b:3:90", "s:100"});
    std::ostringstream rise;
    rise << std::round(climb.back() * 100) / 100; // lbs at 1 lb/ft: the feet climbed
    expect_quoted("ends at " + whole(climb.back()) + " lbs, the " + rise.str() +
                  " ft the route climbs");
    const auto leaving = [](const char* rule, const char* back, const char* friction,
                            const char* bend) {
        std::ostringstream text;
        text.precision(2);
        text << std::fixed
             << tensions({"--friction", friction, "--weight", "2000", "--back-tension", back,
                          "--bend-weight", rule, bend})
                    .back();
        return text.str();
    };
    expect_quoted("leaves at " + leaving("all", "500", "0.35", "b:4.712389:90") +
                  " lbs instead of " + leaving("plane", "500", "0.35", "b:4.712389:90"));
    const double sweep_all =
        tensions({"--friction", "0.5", "--weight", "2000", "--back-tension", "100",
                  "--bend-weight", "all", "b:5235.6:60"})
            .back();
    const double sweep_plane = tensions({"--friction", "0.5", "--weight", "2000",
                                         "--back-tension", "100", "b:5235.6:60"})
                                   .back();
    expect_quoted("leaves at 5,592 lbs with all of the weight, against 169 lbs");
    EXPECT_EQ(whole(sweep_all), "5592");
    EXPECT_EQ(whole(sweep_plane), "169");
    const std::vector<std::string> offset{"--friction", "0.35", "--weight", "2000",
                                          "--allowable", "5000", "s:200",  "t:4:60:30",
                                          "s:120",     "r:3:45", "s:150",  "u:4:20", "s:80"};
    expect_quoted("Pulled forward the cable reaches " + whole(tensions(offset).back()) + " lbs");
    expect_quoted(whole(tensions(offset, false).front()) + " lbs at the end");
}

TEST(ReadmeFigures, TheCableSetsWorkedExample) {
    const auto checked = [](const char* rule) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(run_cli({"check", "--json", "--conduit-id", "5.047", "--cable",
                           "3:1.58:2100:500:cu:1:6000", "--cable", "1:0.6:750:4/0:cu:1:4000",
                           "--friction", "0.35", "--allowable", "5000", "--swbp-limit", "1000",
                           "--tension-rule", rule, "s:300", "b:3:90", "s:200"},
                          out, err),
                  0)
            << err.str();
        return nlohmann::json::parse(out.str());
    };
    const nlohmann::json set = checked("eye-singles");
    expect_quoted("The set weighs 7,050 lbs/kft; the three phases lie cradled (weight correction " +
                  set.at("weight_correction").get<std::string>() + ")");
    EXPECT_EQ(set.at("set_weight"), "7050");
    EXPECT_EQ(set.at("configuration"), "cradled");
    expect_quoted("the corrected pull reaches " + set.at("forward_max").get<std::string>() +
                  " lbs forward and " + set.at("reverse_max").get<std::string>() + " lbs in reverse");
    for (const char* rule : {"planner", "eye", "eye-singles", "grip", "ratings"}) {
        expect_quoted(std::string("| ") + rule + " | " +
                      checked(rule).at("set_allowable").get<std::string>() + " lbs |");
    }
}

TEST(ReadmeFigures, TheShareOfTheAllowableTension) {
    expect_quoted("a pull of 46 lbs against 30 lbs allowable reads " +
                  tension_share_text(46, 30));
}

} // namespace
} // namespace tensora
