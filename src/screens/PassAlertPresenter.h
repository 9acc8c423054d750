// Pass alerts in the window: an alert that no notification service took is shown as a box with
// a button that opens the pass; a pass to open, from that button or from a click on the
// desktop's notification, is shown on the tracking tab, the window brought forward.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "AlertView.h"
#include "PassAlertSchedule.h"

class MainInterface;

class PassAlertPresenter : public QObject, private AlertViewDelegate {
    Q_OBJECT
public:
    PassAlertPresenter(MainInterface& tabs, PassAlertSchedule& schedule, AlertViewFactory factory);
    ~PassAlertPresenter() override;

    // The pass screen of the alert's pass; nothing when the satellite is no longer known.
    void openPass(const PassAlert& alert);
    // The boxes shown and not yet answered.
    const std::vector<std::unique_ptr<AlertView>>& boxes() const { return boxes_; }

private:
    void showInWindow(const PassAlert& alert);
    void alertViewClickedButtonAtIndex(AlertView& alertView, int buttonIndex) override;

    MainInterface& tabs_;
    AlertViewFactory factory_;
    std::vector<std::unique_ptr<AlertView>> boxes_;
    std::vector<PassAlert> shown_;  // the alert of each box
};
