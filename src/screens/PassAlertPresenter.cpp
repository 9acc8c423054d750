#include "PassAlertPresenter.h"

#include "MainInterface.h"
#include "NavigationController.h"
#include "PassOpening.h"
#include "PassViewController.h"
#include "SkelvorAppDelegate.h"

namespace {

constexpr int open_button = 1;

}  // namespace

PassAlertPresenter::PassAlertPresenter(MainInterface& tabs, PassAlertSchedule& schedule,
                                       AlertViewFactory factory)
    : tabs_(tabs), factory_(std::move(factory)) {
    connect(&schedule, &PassAlertSchedule::alertForWindow, this, &PassAlertPresenter::showInWindow);
    connect(&schedule, &PassAlertSchedule::passOpened, this, &PassAlertPresenter::openPass);
}

PassAlertPresenter::~PassAlertPresenter() = default;

void PassAlertPresenter::openPass(const PassAlert& alert) {
    SkelvorAppDelegate& appDelegate = *SkelvorAppDelegate::shared();
    std::shared_ptr<SatelliteData> satellite =
        appDelegate.findSatelliteByCommonName(alert.satellite);
    if (!satellite) return;
    auto pass = passRisingAt(*satellite, alert.rise, appDelegate.minimumPathElevation());
    tabs_.setCurrentIndex(MainInterface::tracking);
    tabs_.stackOf(MainInterface::tracking)
        ->pushViewController(std::make_unique<PassViewController>(std::move(satellite), pass),
                             true);
    tabs_.window()->raise();
    tabs_.window()->activateWindow();
}

void PassAlertPresenter::showInWindow(const PassAlert& alert) {
    boxes_.push_back(factory_(alert.summary, alert.body, {tr("Close"), tr("Open pass")}, this));
    shown_.push_back(alert);
    boxes_.back()->show();
}

void PassAlertPresenter::alertViewClickedButtonAtIndex(AlertView& alertView, int buttonIndex) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i].get() != &alertView) continue;
        const PassAlert alert = shown_[i];
        boxes_.erase(boxes_.begin() + static_cast<std::ptrdiff_t>(i));
        shown_.erase(shown_.begin() + static_cast<std::ptrdiff_t>(i));
        if (buttonIndex == open_button) openPass(alert);
        return;
    }
}
