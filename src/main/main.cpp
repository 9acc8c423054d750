// skelvor: the application. Creates the window with its tabs, then starts the delegate,
// which restores the saved state, places the observer and offers the element-set update.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QScreen>
#include <QStandardPaths>
#include <optional>

#include "MainInterface.h"
#include "MessageBoxAlertView.h"
#include "PassAlertPresenter.h"
#include "SkelvorAppDelegate.h"
#include "Translations.h"
#include "WindowPlacement.h"

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
    options.setApplicationDescription(QCoreApplication::translate("main", "Satellite tracker"));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption({QStringLiteral("element-server"),
                       QCoreApplication::translate("main",
                                                   "Root address of the element-set server "
                                                   "('sample': the bundled samples)."),
                       QStringLiteral("URL")});
    options.addOption(
        {QStringLiteral("simulator"),
         QCoreApplication::translate("main", "Place the observer at a fixed default location.")});
}

// The window's size at the first start: a phone's proportions, which every screen lays out for;
// and the least size the screens are laid out for.
constexpr QSize firstSize(400, 720);
constexpr QSize smallestSize(360, 600);

// The window as the user left it, else at its first size in the middle of the main screen;
// in either case within the screen it opens on.
void placeWindow(QMainWindow& window, MainInterface& tabs,
                 const std::optional<WindowPlacement>& placement) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (placement) {
        if (QScreen* saved = QGuiApplication::screenAt(placement->frame.center())) screen = saved;
    }
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), firstSize);
    window.setMinimumSize(smallestSize.boundedTo(fitToScreen(available, available).size()));
    window.setGeometry(openingFrame(placement, firstSize, available));
    if (placement) tabs.setCurrentIndex(placement->tab);
    if (placement && placement->maximised) {
        window.showMaximized();
    } else {
        window.show();
    }
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
    if (asksForText(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        installTranslations(QLocale::system().uiLanguages());
        describeOptions(options);
        options.process(terminal);
        return 0;
    }
    QApplication application(argc, argv);
    installTranslations(QLocale::system().uiLanguages());
    describeOptions(options);
    // Lets the desktop (Wayland in particular) match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.skelvor.Skelvor"));
    options.process(application);

    SkelvorAppDelegate appDelegate;
    appDelegate.setDataDirectory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    appDelegate.setCacheDirectory(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    appDelegate.setElementServer(elementServer(options));
    appDelegate.setAlertViewFactory(&MessageBoxAlertView::make);
    appDelegate.setLocationSource(options.isSet(QStringLiteral("simulator"))
                                      ? SkelvorAppDelegate::LocationSource::simulator
                                      : SkelvorAppDelegate::LocationSource::service);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Skelvor"));
    window.setWindowIcon(QIcon(QStringLiteral(":/images/skelvor.png")));
    auto* tabs = new MainInterface;
    window.setCentralWidget(tabs);
    // Beside the saved state, in the same directory.
    const QString placementPath =
        QFileInfo(appDelegate.stateFilePath()).dir().filePath(QStringLiteral("windowState"));

    // The screens read the restored state when they first appear; the boxes the start-up shows
    // wait for the window, and the update's question comes once the reachability service has
    // answered.
    appDelegate.applicationDidFinishLaunching();
    placeWindow(window, *tabs, readWindowPlacement(placementPath));
    // Pass alerts, for the satellites the user turned them on for, from now on.
    const PassAlertPresenter alerts(*tabs, appDelegate.passAlerts(), &MessageBoxAlertView::make);
    appDelegate.passAlerts().start();
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [&] {
        writeWindowPlacement(placementPath,
                             {window.normalGeometry(), window.isMaximized(), tabs->currentIndex()});
        appDelegate.applicationWillTerminate();
    });
    return QApplication::exec();
}
