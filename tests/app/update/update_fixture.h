// A delegate made ready for update tests: fake boxes, a reachable server, short deadlines, the
// request spacing shortened, and a clock the test sets.
#pragma once

#include <QTest>
#include <functional>
#include <ostream>

#include "FakeAlerts.h"
#include "SkelvorAppDelegate.h"

using namespace std::chrono_literals;

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline Reachability answering(bool reachable) {
    return [reachable](const QUrl&, ReachabilityAnswer answer) { answer(reachable); };
}

inline void prepareForUpdates(SkelvorAppDelegate& app, const QUrl& server, AlertBoard& board,
                              std::function<Date()> clock) {
    app.setElementServer(server);
    app.setAlertViewFactory(board.factory());
    app.setReachability(answering(true));
    app.setFetchDeadlines({1000ms, 1000ms, 3000ms});
    app.setRequestSpacing(5ms);
    app.setClock(std::move(clock));
}

// Waits until the update started has ended, however.
inline bool waitForTheUpdate(const SkelvorAppDelegate& app, int milliseconds = 20000) {
    return QTest::qWaitFor([&] { return !app.networkActivityIndicatorVisible(); }, milliseconds);
}
