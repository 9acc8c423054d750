#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>

#include "Commands.h"
#include "SkelvorAppDelegate.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("skelvor"));
    SkelvorAppDelegate appDelegate;
    appDelegate.setDataDirectory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QString out;
    QString err;
    const int code = runCli(application.arguments().mid(1), out, err, appDelegate);
    std::fputs(out.toUtf8().constData(), stdout);
    std::fputs(err.toUtf8().constData(), stderr);
    return code;
}
