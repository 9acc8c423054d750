// skelvor: the application. Creates the window with its tabs, then starts the delegate,
// which restores the saved state, places the observer and offers the element-set update.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMainWindow>
#include <QStandardPaths>

#include "MainInterface.h"
#include "MessageBoxAlertView.h"
#include "SkelvorAppDelegate.h"

namespace {

// The element-set server: --element-server, else SKELVOR_ELEMENT_SERVER, else the public
// server; "sample" is the bundled sample tree.
QUrl elementServer(const QCommandLineParser& options) {
    QString root = options.value(QStringLiteral("element-server"));
    if (root.isEmpty()) root = qEnvironmentVariable("SKELVOR_ELEMENT_SERVER");
    if (root.isEmpty()) root = QStringLiteral("https://celestrak.org/");
    if (root == u"sample") root = QStringLiteral("qrc:/sample-server/");
    if (!root.endsWith(u'/')) root += u'/';
    return QUrl(root);
}

void describeOptions(QCommandLineParser& options) {
    options.setApplicationDescription(QStringLiteral("Satellite tracker"));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption({QStringLiteral("element-server"),
                       QStringLiteral("Root address of the element-set server ('sample': the "
                                      "bundled samples)."),
                       QStringLiteral("URL")});
    options.addOption({QStringLiteral("simulator"),
                       QStringLiteral("Place the observer at a fixed default location.")});
}

// --help and --version answer on the terminal, also where there is no display.
bool asksForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "--version" ||
            argument == "-v") {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("skelvor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SKELVOR_VERSION));
    QCommandLineParser options;
    describeOptions(options);
    if (asksForText(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        options.process(terminal);
        return 0;
    }
    QApplication application(argc, argv);
    options.process(application);

    SkelvorAppDelegate appDelegate;
    appDelegate.setDataDirectory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    appDelegate.setElementServer(elementServer(options));
    appDelegate.setAlertViewFactory(&MessageBoxAlertView::make);
    appDelegate.setLocationSource(options.isSet(QStringLiteral("simulator"))
                                      ? SkelvorAppDelegate::LocationSource::simulator
                                      : SkelvorAppDelegate::LocationSource::service);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Skelvor"));
    window.setWindowIcon(QIcon(QStringLiteral(":/images/skelvor.png")));
    window.setCentralWidget(new MainInterface);
    window.resize(400, 720);  // a phone's proportions; the screens lay out for 320 points

    // The screens read the restored state when they first appear.
    appDelegate.applicationDidFinishLaunching();
    window.show();
    return QApplication::exec();
}
