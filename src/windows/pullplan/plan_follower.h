// A window that follows the pull planner: told after every recalculation of the plan (and when
// the planner closes), whatever library it lives in, without the planner knowing it.
#pragma once

namespace tensora {

class PlanFollower {
public:
    virtual ~PlanFollower() = default;
    virtual void planRecalculated() = 0;
    // The planner's advice, found once typing pauses, is there for the plan as it stands.
    virtual void adviceFound() {}
    // The pull check has checked its set again (its inputs changed, or the plan).
    virtual void checkRecalculated() {}

protected:
    PlanFollower() = default;
    PlanFollower(const PlanFollower&) = default;
    PlanFollower& operator=(const PlanFollower&) = default;
};

} // namespace tensora
