// The worked example of the pull planner for the core's tests: 500 ft straight, a 90 degree
// bend 2 ft long, 300 ft straight; friction 0.15, 200 lbs/kft, 1000 lbs allowable.
#pragma once

#include "pullplan/pull_plan_links.h"

namespace tensora::test {

struct WorkedPlan {
    WorkedPlan() {
        links.append("Straight", "500", "0");
        links.append("Angle", "2", "90");
        links.append("Straight", "300", "0");
        settings.friction = "0.15";
        settings.weight = "200";
        settings.allowable = "1000";
    }
    PullPlanLinks links{NumberLocale{".", ","}};
    PullSettingsTexts settings;
};

} // namespace tensora::test
