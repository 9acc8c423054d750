// The search by name over all categories, shown over the satellites tab: from the second typed
// character it lists every satellite whose name begins with the text, then those whose name
// holds it further on, each with its category and status, ticked when selected; a tap selects or
// drops the satellite.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <memory>
#include <vector>

#include "SearchBar.h"
#include "TableView.h"
#include "ViewController.h"

class SatelliteData;
class SkelvorAppDelegate;

class SatelliteSearchController : public ViewController,
                                  public TableViewDataSource,
                                  public TableViewDelegate,
                                  public SearchBarDelegate {
    Q_DECLARE_TR_FUNCTIONS(SatelliteSearchController)

public:
    SatelliteSearchController();

    SearchBar* searchBar() const { return searchBar_; }
    TableView* resultList() const { return resultList_; }
    const std::vector<std::shared_ptr<SatelliteData>>& matchingSatellites() const {
        return matchingSatellites_;
    }
    const QStringList& matchingCategoryNames() const { return matchingCategoryNames_; }

    void viewWillAppear(bool animated) override;

    void textDidChange(SearchBar& searchBar, const QString& text) override;
    void searchButtonClicked(SearchBar& searchBar) override;
    void cancelButtonClicked(SearchBar& searchBar) override;

    int numberOfRowsInSection(int section) override;
    TableViewCell cellForRow(IndexPath path) override;
    void didSelectRow(IndexPath path) override;

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    bool isSelectedHere(const SatelliteData* satellite) const;
    void close();

    SkelvorAppDelegate* appDelegate_;
    QPointer<SearchBar> searchBar_;
    QPointer<TableView> resultList_;
    std::vector<std::shared_ptr<SatelliteData>> matchingSatellites_;
    QStringList matchingCategoryNames_;
    // The results ticked on this screen; each is one of the matching satellites.
    QSet<const SatelliteData*> selectedSatellites_;
};
