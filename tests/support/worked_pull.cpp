#include "support/worked_pull.h"

namespace tensora::test {

PullCalculator& worked_pull(WindowRegistry& registry, const QString& allowable) {
    auto& planner = registry.get<PullCalculator>();
    planner.frictionBox()->setText(QStringLiteral("0.15"));
    planner.weightBox()->setText(QStringLiteral("200"));
    planner.allowableBox()->setText(allowable);
    planner.editPlan([](PullPlanLinks& plan) {
        plan.append("Straight", "500", "0");
        plan.append("Angle", "2", "90");
        plan.append("Straight", "300", "0");
    });
    planner.pullcalc();
    return planner;
}

} // namespace tensora::test
