#include "MainInterface.h"

#include <QTabBar>

#include "CategorySelectionController.h"
#include "FirstViewController.h"
#include "HelpController.h"
#include "NavigationController.h"
#include "PreferencesController.h"

namespace {

void addStack(MainInterface& tabs, std::unique_ptr<ViewController> root, const QString& title,
              const QString& icon) {
    tabs.addTab(new NavigationController(std::move(root)), QIcon(icon), title);
}

}  // namespace

MainInterface::MainInterface(QWidget* parent) : TabBarController(parent) {
    addStack(*this, std::make_unique<FirstViewController>(), QStringLiteral("Tracking"),
             QStringLiteral(":/images/tab-tracking.png"));
    addStack(*this, std::make_unique<CategorySelectionController>(), QStringLiteral("Satellites"),
             QStringLiteral(":/images/tab-satellites.png"));
    addStack(*this, std::make_unique<PreferencesController>(), QStringLiteral("Preferences"),
             QStringLiteral(":/images/tab-preferences.png"));
    addStack(*this, std::make_unique<HelpController>(), QStringLiteral("Help"),
             QStringLiteral(":/images/tab-help.png"));
    // The four tabs share the window's width, as on a phone, rather than scrolling.
    setIconSize(QSize(20, 20));
    tabBar()->setExpanding(true);
    tabBar()->setUsesScrollButtons(false);
    tabBar()->setElideMode(Qt::ElideNone);
}

NavigationController* MainInterface::stackOf(Tab tab) const {
    return static_cast<NavigationController*>(widget(tab));
}
