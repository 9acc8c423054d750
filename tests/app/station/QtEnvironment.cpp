// The station tests run sockets, timers and daemons on a Qt event loop.
#include <QCoreApplication>

#include "qt_environment.h"

namespace {

testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment<QCoreApplication>("station_tests"));

}  // namespace
