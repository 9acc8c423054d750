#include "TabBarController.h"

TabBarController::TabBarController(QWidget* parent) : QTabWidget(parent) {
    setTabPosition(QTabWidget::South);
    setDocumentMode(true);
}
