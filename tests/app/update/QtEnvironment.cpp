// The tests of the update run network replies, timers and a server on a Qt event loop.
#include <QCoreApplication>

#include "qt_environment.h"

namespace {

testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment<QCoreApplication>("update_tests"));

}  // namespace
