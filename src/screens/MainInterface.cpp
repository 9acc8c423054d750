#include "MainInterface.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QTabBar>
#include <array>

#include "CategorySelectionController.h"
#include "FirstViewController.h"
#include "HelpController.h"
#include "IconButton.h"
#include "NavigationController.h"
#include "PreferencesController.h"
#include "SatelliteSearchController.h"
#include "SkelvorAppDelegate.h"

namespace {

const QSize tabIconSize(20, 20);
const std::array<QString, 4> tabIcons{
    QStringLiteral(":/images/tab-tracking.png"), QStringLiteral(":/images/tab-satellites.png"),
    QStringLiteral(":/images/tab-preferences.png"), QStringLiteral(":/images/tab-help.png")};

void addStack(MainInterface& tabs, std::unique_ptr<ViewController> root, const QString& title) {
    const int index = tabs.addTab(new NavigationController(std::move(root)), title);
    tabs.setTabToolTip(
        index,
        QCoreApplication::translate("MainInterface", "%1 (Ctrl+%2)").arg(title).arg(index + 1));
}

}  // namespace

MainInterface::MainInterface(QWidget* parent) : TabBarController(parent) {
    addStack(*this, std::make_unique<FirstViewController>(), tr("Tracking"));
    addStack(*this, std::make_unique<CategorySelectionController>(), tr("Satellites"));
    addStack(*this, std::make_unique<PreferencesController>(), tr("Preferences"));
    addStack(*this, std::make_unique<HelpController>(), tr("Help"));
    tintIcons();
    // The four tabs share the window's width, as on a phone, rather than scrolling.
    setIconSize(tabIconSize);
    tabBar()->setExpanding(true);
    tabBar()->setUsesScrollButtons(false);
    tabBar()->setElideMode(Qt::ElideNone);

    for (const Tab tab : {tracking, satellites, preferences, help}) {
        addShortcut(
            QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(tab))),
            [this, tab] {
                setCurrentIndex(tab);
                stackOf(tab)->focusVisibleScreen();
            });
    }
    addShortcut(QKeySequence::Find, [this] { searchByName(); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { toggleEditing(); });
    addShortcut(QKeySequence(Qt::Key_F5), [] { SkelvorAppDelegate::shared()->updateTLEsNow(); });
    positionObserver_ = NotificationCenter::defaultCenter().addObserver(
        SkelvorAppDelegate::positionWantedNotification,
        [this](const Notification&) { enterPosition(); });
    // Ctrl+Q on every desktop, whichever key its own scheme names for quitting.
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { window()->close(); });
}

MainInterface::~MainInterface() {
    NotificationCenter::defaultCenter().removeObserver(positionObserver_);
}

void MainInterface::addShortcut(const QKeySequence& keys, std::function<void()> action) {
    auto* shortcut = new QAction(this);
    shortcut->setShortcut(keys);
    shortcut->setShortcutContext(Qt::WindowShortcut);
    connect(shortcut, &QAction::triggered, this, std::move(action));
    addAction(shortcut);
}

int MainInterface::tabsWidth(QSize iconSize) const {
    QTabBar* bar = tabBar();
    const QSize shown = bar->iconSize();
    bar->setIconSize(iconSize);
    const int width = bar->sizeHint().width();
    bar->setIconSize(shown);
    return width;
}

QSize MainInterface::minimumSizeHint() const {
    QSize hint = TabBarController::minimumSizeHint();
    hint.setWidth(std::min(hint.width(), tabsWidth(QSize(0, 0))));
    return hint;
}

void MainInterface::tintIcons() {
    const QColor colour = palette().color(QPalette::ButtonText);
    for (int tab = 0; tab < count(); ++tab) {
        setTabIcon(tab, IconButton::tintedIcon(tabIcons.at(static_cast<std::size_t>(tab)), colour));
    }
}

void MainInterface::changeEvent(QEvent* event) {
    TabBarController::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) tintIcons();
}

// The icons go where the names would not fit beside them.
void MainInterface::resizeEvent(QResizeEvent* event) {
    setIconSize(tabsWidth(tabIconSize) <= width() ? tabIconSize : QSize(0, 0));
    TabBarController::resizeEvent(event);
}

NavigationController* MainInterface::stackOf(Tab tab) const {
    return static_cast<NavigationController*>(widget(tab));
}

void MainInterface::searchByName() {
    setCurrentIndex(satellites);
    NavigationController* stack = stackOf(satellites);
    static_cast<CategorySelectionController*>(stack->viewControllerAt(0))->satelliteSearch();
    if (auto* search = dynamic_cast<SatelliteSearchController*>(stack->modalViewController())) {
        search->searchBar()->textField()->setFocus(Qt::ShortcutFocusReason);
    }
}

void MainInterface::enterPosition() {
    setCurrentIndex(preferences);
    static_cast<PreferencesController*>(stackOf(preferences)->viewControllerAt(0))->focusPosition();
}

void MainInterface::toggleEditing() {
    stackOf(static_cast<Tab>(currentIndex()))->visibleController()->toggleEditing();
}
