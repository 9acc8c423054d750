// Tonight: every visible pass of every satellite in the catalogue from dusk to dawn at the
// observer, in time order, each row the satellite's name, when it can be seen and how high it
// climbs then; a row opens the pass on the pass screen. The list is made when the screen
// appears, with the minimum elevation and darkness of the settings, of the whole catalogue or of
// the category chosen on the bar. The scan runs away from the main thread, so that the window
// stays responsive while it looks through a large catalogue. The listed passes can be exported
// as a calendar.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <memory>

#include "BackgroundReader.h"
#include "CalendarExport.h"
#include "TableViewInterfaces.h"
#include "TonightScan.h"
#include "ViewController.h"

class BusyIndicator;
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
    bool isScanning() const { return scansRunning_ > 0; }
    // The category the list is made of; empty: the whole catalogue.
    const QString& category() const { return category_; }
    void chooseCategory(const QString& category);
    QPushButton* categoryButton() const { return categoryButton_; }
    TableView* tableView() const { return table_; }
    CalendarExport& calendarExport() { return calendarExport_; }

protected:
    void loadView() override;

private:
    CalendarExport::Content calendarContent() const;
    void startScan();
    void scanDone(TonightList& list);
    void showCategory();

    SkelvorAppDelegate* appDelegate_;
    TableView* table_ = nullptr;
    TonightList tonight_;
    CalendarExport calendarExport_;
    QString category_;
    QPointer<QPushButton> categoryButton_;
    QPointer<BusyIndicator> indicator_;
    int scansRunning_ = 0;
    // Last, so that it goes first: it waits for a scan under way and drops its result.
    BackgroundReader scanner_;
};
