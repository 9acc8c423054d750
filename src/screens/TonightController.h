// Tonight: every visible pass of every satellite in the catalogue from dusk to dawn at the
// observer, in time order, each row the satellite's name, when it can be seen and how high it
// climbs then; a row opens the pass on the pass screen. The list is made when the screen
// appears, with the minimum elevation and darkness of the settings. The listed passes can be
// exported as a calendar.
#pragma once

#include <QCoreApplication>

#include "CalendarExport.h"
#include "TableViewInterfaces.h"
#include "TonightScan.h"
#include "ViewController.h"

class SkelvorAppDelegate;
class TableView;

class TonightController : public ViewController,
                          public TableViewDataSource,
                          public TableViewDelegate {
    Q_DECLARE_TR_FUNCTIONS(TonightController)

public:
    TonightController();

    void viewWillAppear(bool animated) override;

    int numberOfRowsInSection(int section) override;
    TableViewCell cellForRow(IndexPath path) override;
    QString titleForHeaderInSection(int section) override;
    bool canEditRow(IndexPath) override { return false; }
    void didSelectRow(IndexPath path) override;

    const TonightList& tonight() const { return tonight_; }
    TableView* tableView() const { return table_; }
    CalendarExport& calendarExport() { return calendarExport_; }

protected:
    void loadView() override;

private:
    CalendarExport::Content calendarContent() const;

    SkelvorAppDelegate* appDelegate_;
    TableView* table_ = nullptr;
    TonightList tonight_;
    CalendarExport calendarExport_;
};
