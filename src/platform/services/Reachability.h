// Whether the element-set server's host can be reached: its name resolves to an address.
// Bundled (qrc:) and local addresses, and loopback hosts, always count as reachable.
#pragma once

#include <QUrl>
#include <functional>

using Reachability = std::function<bool(const QUrl& server)>;

bool isHostReachable(const QUrl& server);
