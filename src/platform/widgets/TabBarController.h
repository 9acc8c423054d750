// The application's tab bar: one tab per section, the tabs at the bottom of the window.
#pragma once

#include <QTabWidget>

class TabBarController : public QTabWidget {
public:
    explicit TabBarController(QWidget* parent = nullptr);
};
