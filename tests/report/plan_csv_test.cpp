#include "report/plan_csv.h"
#include "support/worked_plan.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tensora {
namespace {

std::vector<std::string> lines(const std::string& csv) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2) {
        out.push_back(csv.substr(start, end - start));
    }
    EXPECT_EQ(start, csv.size()); // every line ended by CR LF
    return out;
}

TEST(PlanCsv, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(csv_field("1,000"), "\"1,000\"");
    EXPECT_EQ(csv_field("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csv_field("a\nb"), "\"a\nb\"");
    EXPECT_EQ(csv_field("Straight"), "Straight");
}

TEST(PlanCsv, WritesTheShownTextsAndTheUnroundedFiguresOfEveryLink) {
    test::WorkedPlan plan;
    plan.links.append("Angle", "0", "30"); // a bend without length
    PullResults results;
    plan.links.calculate(plan.settings, results);
    std::vector<ReportLink> texts;
    for (std::size_t i = 0; i < plan.links.size(); ++i) {
        texts.push_back({plan.links.number(i), plan.links.type(i), plan.links.length(i),
                         plan.links.angle(i), std::string(results.forward[i]),
                         std::string(results.forward_sidewall[i]), std::string(results.reverse[i]),
                         std::string(results.reverse_sidewall[i])});
    }
    const auto rows = lines(plan_csv(texts, plan.links.values(), results));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], "Link,Type,Length (ft),Angle (deg),Forward tension (lbs),Forward tension "
                       "shown,Forward sidewall (lbs/ft),Forward sidewall shown,Reverse tension "
                       "(lbs),Reverse tension shown,Reverse sidewall (lbs/ft),Reverse sidewall "
                       "shown");
    const auto fields = [&rows](std::size_t row) {
        std::vector<std::string> list;
        std::istringstream line(rows[row]);
        for (std::string field; std::getline(line, field, ',');) {
            list.push_back(field);
        }
        return list;
    };
    const auto straight = fields(1);
    EXPECT_EQ(straight[0] + straight[1] + straight[2] + straight[3], "1Straight5000");
    EXPECT_EQ(std::stod(straight[4]), results.forward_tension[0]); // reads back exactly
    EXPECT_EQ(straight[5], "15");
    EXPECT_EQ(straight[6] + straight[7], "00");
    EXPECT_EQ(std::stod(straight[8]), results.reverse_tension[0]);
    const auto bend = fields(2);
    EXPECT_EQ(bend[5], "19");
    EXPECT_EQ(std::stod(bend[6]), results.forward_tension[1] / 2);
    EXPECT_EQ(bend[7], "9");
    EXPECT_EQ(std::stod(bend[10]), results.reverse_tension[1] / 2);
    EXPECT_NE(rows[4].find(",,no length,"), std::string::npos); // no figure for no length
}

TEST(PlanCsv, AddsTheRacewayColumnsOnlyWhenALinkHasOne) {
    test::WorkedPlan plan;
    PullResults results;
    plan.links.calculate(plan.settings, results);
    std::vector<ReportLink> texts(plan.links.size());
    texts[1].raceway = {"0.15", "", "", true};
    texts[2].raceway = {"", "pvc-wet", "4.026", false};
    const auto rows = lines(plan_csv(texts, plan.links.values(), results));
    EXPECT_NE(rows[0].find(",Coefficient of friction,Friction entry,Raceway inside diameter "
                           "(in),Raceway,Pull point"),
              std::string::npos);
    EXPECT_EQ(rows[1].substr(rows[1].size() - 5), ",,,,,");
    EXPECT_EQ(rows[2].substr(rows[2].size() - 13), ",0.15,,,tray,");
    EXPECT_EQ(rows[3].substr(rows[3].size() - 24), ",,pvc-wet,4.026,conduit,");
}

} // namespace
} // namespace tensora
