// The details screen of one satellite: the user's radio frequency records, the user's comment and
// the satellite's future passes. The records can be added, changed, deleted, reordered and one of
// them marked active; a future pass, with the part of it that can be seen, opens the pass screen
// for it. A switch turns the satellite's pass alerts on and off. The satellite's passes over the
// span of the future passes can be exported as a calendar.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <vector>

#include "CalendarExport.h"
#include "PassVisibility.h"
#include "TableViewInterfaces.h"
#include "ViewController.h"

class PassData;
class SatelliteData;
class SkelvorAppDelegate;
class TableView;

class SatelliteDetailsController : public ViewController,
                                   public TableViewDataSource,
                                   public TableViewDelegate {
    Q_DECLARE_TR_FUNCTIONS(SatelliteDetailsController)

public:
    // The screen takes its satellite from the delegate's current satellite when its view loads.
    SatelliteDetailsController();
    ~SatelliteDetailsController() override;

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void setEditing(bool editing, bool animated) override;

    int numberOfSections() override { return 4; }
    int numberOfRowsInSection(int section) override;
    TableViewCell cellForRow(IndexPath path) override;
    QString titleForHeaderInSection(int section) override;
    bool canEditRow(IndexPath path) override { return path.section < 2; }
    void commitEditingStyle(EditingStyle style, IndexPath path) override;
    bool canMoveRow(IndexPath path) override { return isRecordRow(path); }
    void moveRow(IndexPath from, IndexPath to) override;

    void didSelectRow(IndexPath path) override;
    EditingStyle editingStyleForRow(IndexPath path) override;
    void cellButtonTapped(IndexPath path) override;
    IndexPath targetIndexPathForMove(IndexPath from, IndexPath proposed) override;

    // Makes the record at the index the only active one.
    void activateFrequency(int index);
    // Turns the satellite's pass alerts on or off.
    void toggleAlerts();
    CalendarExport& calendarExport() { return calendarExport_; }

    TableView* displayTable() const { return displayTable_; }
    const std::shared_ptr<SatelliteData>& targetSatellite() const { return targetSatellite_; }
    const std::vector<std::shared_ptr<PassData>>& futurePasses() const { return futurePasses_; }

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    int recordCount() const;
    bool isRecordRow(IndexPath path) const;
    void buildFuturePasses();
    TableViewCell passCell(const PassData& pass, const std::optional<VisiblePart>& visible) const;
    void addRecord();
    void removeRecord(int index);
    void pushFrequencyEditor(int index);
    void pushCommentEditor();
    CalendarExport::Content calendarContent() const;

    SkelvorAppDelegate* appDelegate_ = nullptr;
    TableView* displayTable_ = nullptr;
    std::shared_ptr<SatelliteData> targetSatellite_;
    std::vector<std::shared_ptr<PassData>> futurePasses_;
    std::vector<std::optional<VisiblePart>> futureVisible_;  // of each future pass
    CalendarExport calendarExport_;
};
