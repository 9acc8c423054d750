// One category's satellites in sections by operational status, each ticked when selected; a tap
// selects or drops the satellite.
#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <array>

#include "SatelliteChoice.h"
#include "SkelvorAppDelegate.h"
#include "TableView.h"
#include "ViewController.h"

class SatelliteSelectionController : public ViewController,
                                     public TableViewDataSource,
                                     public TableViewDelegate {
public:
    SatelliteSelectionController();

    // The category shown and its title; set before the screen is shown.
    const QString& category() const { return categoryName_; }
    void setCategory(const QString& category) { categoryName_ = category; }
    void setSatellites(SkelvorAppDelegate::CategoryTable satellites) {
        satellites_ = std::move(satellites);
    }

    TableView* tableView() const { return tableView_; }
    const QStringList& sortedSatelliteNames(std::size_t section) const {
        return sortedSatelliteNames_.at(section);
    }

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    int numberOfSections() override;
    int numberOfRowsInSection(int section) override;
    TableViewCell cellForRow(IndexPath path) override;
    QString titleForHeaderInSection(int section) override;
    void didSelectRow(IndexPath path) override;

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    const QString& nameAt(IndexPath path) const;
    void refreshAllRows();

    SkelvorAppDelegate* appDelegate_;
    QString categoryName_;
    SkelvorAppDelegate::CategoryTable satellites_;
    std::array<QStringList, selection::statusSectionCount> sortedSatelliteNames_;
    QPointer<TableView> tableView_;
    // The selection when the screen went away, to tell whether other screens changed it.
    QList<std::shared_ptr<SatelliteData>> selectionWhenHidden_;
};
