// The advice on a plan, found once typing pauses and off the window's thread (on a long plan
// of vertical bends it costs several calculations), then shown: a keystroke costs the
// calculation and its columns alone. An advice found for a plan that has changed since is
// dropped; one asked for before the pause is found at once.
#pragma once

#include "pullplan/pull_advice.h"
#include "widgets/background_run.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace tensora {

class DeferredAdvice {
public:
    // What finds the advice of the plan as it stands now: it takes its copies when called,
    // and the work it returns runs on another thread.
    using Job = std::function<PullAdvice()>;
    using MakeJob = std::function<Job()>;

    // `shown` runs on the window's thread once an advice has been found.
    DeferredAdvice(QObject* owner, MakeJob make_job, std::function<void()> shown);

    // The plan changed: the advice waits for the next pause.
    void planChanged();
    // The advice of the plan as it stands, found now where it is not yet.
    const PullAdvice& advice() const;
    bool waiting() const { return stale_; }

private:
    struct Found {
        int change = 0;
        PullAdvice advice;
    };
    void startFinding();

    MakeJob make_job_;
    std::function<void()> shown_;
    mutable PullAdvice advice_;
    mutable bool stale_ = true;
    int changes_ = 0; // counts the plan's changes, so that a late advice is known as such
    QTimer* timer_;
    BackgroundRun<Found> run_;
};

} // namespace tensora
