// Whether the element-set server's host can be reached: its name resolves to an address. The
// question is answered from the event loop, so that a slow name service never holds the
// window.
#pragma once

#include <QUrl>
#include <chrono>
#include <functional>

using ReachabilityAnswer = std::function<void(bool reachable)>;
// Asks about the server; the answer comes once, from the event loop.
using Reachability = std::function<void(const QUrl& server, ReachabilityAnswer answer)>;

// A host whose name has not resolved by then counts as unreachable.
inline constexpr std::chrono::milliseconds reachability_deadline{5000};

// The system's name service. Bundled (qrc:) and local addresses, and loopback hosts, always
// count as reachable.
void checkHostReachable(const QUrl& server, ReachabilityAnswer answer);
