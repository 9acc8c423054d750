// The satellite list: one row per selected satellite, in the order of the selection, with its
// next rise or set, the clock time and a countdown, refreshed every 30 s while shown. From here
// the user opens a satellite's pass screen, the timeline or tonight's passes of the catalogue,
// orders the list by next event, and deletes or moves rows. With the preference "Visible passes
// only" each row shows the next pass that can be seen; with it or "Sunlight and shadow" a pass
// that can be seen is marked with its visible part. The listed satellites' passes over the span
// of the details' future passes can be exported as a calendar.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <memory>

#include "BusyIndicator.h"
#include "CalendarExport.h"
#include "NotificationCenter.h"
#include "PassVisibility.h"
#include "TableView.h"
#include "Timer.h"
#include "ViewController.h"

class PassData;
class SatelliteData;
class SegmentedControl;
class SkelvorAppDelegate;
class TimelineController;

class FirstViewController : public ViewController,
                            public TableViewDataSource,
                            public TableViewDelegate {
    Q_DECLARE_TR_FUNCTIONS(FirstViewController)

public:
    FirstViewController();
    ~FirstViewController() override;

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    int numberOfRowsInSection(int section) override;
    TableViewCell cellForRow(IndexPath path) override;
    void didSelectRow(IndexPath path) override;
    // In editing, each row can be deleted and moved.
    bool canEditRow(IndexPath) override { return true; }
    EditingStyle editingStyleForRow(IndexPath) override { return EditingStyle::remove; }
    void commitEditingStyle(EditingStyle style, IndexPath path) override;
    bool canMoveRow(IndexPath) override { return true; }
    void moveRow(IndexPath from, IndexPath to) override;

    void timelineEditAction();
    void orderByInterval();
    void refreshDurations();
    // The "Edit" segment, for the keyboard.
    bool toggleEditing() override;

    TableView* tableView() const { return table_; }
    CalendarExport& calendarExport() { return calendarExport_; }
    SegmentedControl* timelineEditButton() const { return timelineEditButton_; }
    bool isRefreshing() const { return refreshTimer_ && refreshTimer_->isValid(); }
    bool isBuildingTimeline() const { return newTimelineController_ != nullptr; }

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    // The satellite's pass to show and, when the settings ask for it, what of it can be seen;
    // with visible passes only, the next one that can be seen, kept as the satellite's next
    // pass.
    std::pair<std::shared_ptr<PassData>, std::optional<VisiblePart>> shownPass(
        SatelliteData& satellite);
    void openTimeline();
    void createTimelineController();
    void rebuildNextPasses();
    // A change of the position or a setting: the next passes are found again while shown.
    void preferencesAltered();
    CalendarExport::Content calendarContent() const;

    SkelvorAppDelegate* appDelegate_;
    TableView* table_ = nullptr;
    std::unique_ptr<Timer> refreshTimer_;
    SegmentedControl* timelineEditButton_ = nullptr;
    QPointer<BusyIndicator> indicator_;
    std::unique_ptr<Timer> progressTimer_;
    std::unique_ptr<TimelineController> newTimelineController_;
    NotificationCenter::ObserverToken selectionObserver_ = 0;
    NotificationCenter::ObserverToken preferencesObserver_ = 0;
    bool shown_ = false;
    bool passesStale_ = false;
    CalendarExport calendarExport_;
};
