// The satellites tab's first screen: the catalogue's categories, each leading to its satellites,
// and a search button that opens the search by name over the tab.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>

#include "TableView.h"
#include "ViewController.h"

class QToolButton;
class SkelvorAppDelegate;

class CategorySelectionController : public ViewController,
                                    public TableViewDataSource,
                                    public TableViewDelegate {
    Q_DECLARE_TR_FUNCTIONS(CategorySelectionController)

public:
    CategorySelectionController();

    const QStringList& sortedCategoryKeys() const { return sortedCategoryKeys_; }
    TableView* tableView() const { return tableView_; }
    QToolButton* searchButton() const { return searchButton_; }

    // Presents the search screen.
    void satelliteSearch();

    void viewWillAppear(bool animated) override;

    int numberOfRowsInSection(int section) override;
    TableViewCell cellForRow(IndexPath path) override;
    void didSelectRow(IndexPath path) override;

protected:
    void loadView() override;
    void viewDidLoad() override;

private:
    QToolButton* makeSearchButton();
    bool refreshCategories();

    SkelvorAppDelegate* appDelegate_;
    QPointer<TableView> tableView_;
    QPointer<QToolButton> searchButton_;
    QStringList sortedCategoryKeys_;
};
