// The main window's content: the tab bar with its four tabs, each a navigation stack: the
// satellite list ("Tracking"), the categories to choose satellites from ("Satellites"), the
// preferences and the help.
#pragma once

#include "TabBarController.h"

class NavigationController;

class MainInterface : public TabBarController {
public:
    explicit MainInterface(QWidget* parent = nullptr);

    enum Tab { tracking, satellites, preferences, help };
    NavigationController* stackOf(Tab tab) const;
};
