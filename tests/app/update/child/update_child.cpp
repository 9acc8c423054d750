// The killed side of the interruption test: a run of the program on the given folders and
// server at a fixed instant. It says "ready", starts an element-set update once it reads "go",
// and runs until it is killed or the update has ended.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "SkelvorAppDelegate.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 6) {
        std::fprintf(stderr, "usage: %s DATA CACHE SERVER SECONDS SPACING-MS\n", argv[0]);
        return 2;
    }
    const Date clock(arguments[4].toDouble());
    SkelvorAppDelegate app;
    app.setDataDirectory(arguments[1]);
    app.setCacheDirectory(arguments[2]);
    app.setElementServer(QUrl(arguments[3]));
    app.setRequestSpacing(std::chrono::milliseconds(arguments[5].toInt()));
    app.setClock([clock] { return clock; });
    app.loadSavedState();
    std::puts("ready");
    std::fflush(stdout);
    char go[8] = {};
    if (!std::fgets(go, sizeof go, stdin)) return 0;
    app.updateTLEs();
    QTimer ended;
    QObject::connect(&ended, &QTimer::timeout, [&] {
        if (!app.networkActivityIndicatorVisible()) QCoreApplication::quit();
    });
    ended.start(10);
    return QCoreApplication::exec();
}
