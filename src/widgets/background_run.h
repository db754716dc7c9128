// Work a window hands off its own thread (the advice on a long plan), whose result comes back
// on the window's thread when done. Only the latest run's result comes back: a run started
// again before the last one finished drops the last one's. Each run takes copies of what it
// works on, so that the window may change (or close) meanwhile.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>

namespace tensora {

template <typename Result> class BackgroundRun {
public:
    BackgroundRun(QObject* owner, std::function<void(const Result&)> done)
        : watcher_(new QFutureWatcher<Result>(owner)), done_(std::move(done)) {
        QObject::connect(watcher_, &QFutureWatcherBase::finished, owner,
                         [this] { done_(watcher_->result()); });
    }
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    void start(std::function<Result()> work) {
        watcher_->setFuture(QtConcurrent::run(std::move(work)));
    }

private:
    QFutureWatcher<Result>* watcher_; // owned by the window
    std::function<void(const Result&)> done_;
};

} // namespace tensora
