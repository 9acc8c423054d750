// Work away from the main thread that takes longer than the window may wait: decoding and
// reading a fetched document of tens of megabytes, or scanning tonight's catalogue. One piece of
// work runs at a time; its result comes back on the main thread's event loop. Results still on
// their way when the reader goes are dropped.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>

class BackgroundReader {
public:
    BackgroundReader() { pool_.setMaxThreadCount(1); }
    // Waits for the reading in progress.
    ~BackgroundReader() { pool_.waitForDone(); }
    BackgroundReader(const BackgroundReader&) = delete;
    BackgroundReader& operator=(const BackgroundReader&) = delete;

    // Runs work on the reader's thread, then done with its result on the main thread.
    template <class Result>
    void run(std::function<Result()> work, std::function<void(Result&)> done) {
        pool_.start([this, work = std::move(work), done = std::move(done)] {
            auto result = std::make_shared<Result>(work());
            QMetaObject::invokeMethod(
                &results_, [done, result] { done(*result); }, Qt::QueuedConnection);
        });
    }

private:
    QObject results_;  // lives on the main thread; goes after the pool, taking queued results
    QThreadPool pool_;
};
