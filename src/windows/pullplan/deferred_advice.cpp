#include "windows/pullplan/deferred_advice.h"

namespace tensora {

DeferredAdvice::DeferredAdvice(QObject* owner, MakeJob make_job, std::function<void()> shown)
    : make_job_(std::move(make_job)), shown_(std::move(shown)), timer_(new QTimer(owner)),
      run_(owner, [this](const Found& found) {
          if (found.change == changes_) { // else the plan changed since
              advice_ = found.advice;
              stale_ = false;
              shown_();
          }
      }) {
    timer_->setObjectName(QStringLiteral("adviceTimer"));
    timer_->setSingleShot(true);
    timer_->setInterval(150);
    QObject::connect(timer_, &QTimer::timeout, owner, [this] { startFinding(); });
}

void DeferredAdvice::planChanged() {
    stale_ = true;
    ++changes_;
    timer_->start();
}

const PullAdvice& DeferredAdvice::advice() const {
    if (stale_) {
        advice_ = make_job_()();
        stale_ = false;
    }
    return advice_;
}

void DeferredAdvice::startFinding() {
    if (!stale_) {
        shown_(); // found already, when something asked for it
        return;
    }
    run_.start([job = make_job_(), change = changes_] { return Found{change, job()}; });
}

} // namespace tensora
