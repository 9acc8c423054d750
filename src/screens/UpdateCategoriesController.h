// The choice of the categories an element-set update fetches: the categories of the server's
// last index page, each with a check mark, all checked until the user leaves some out. A
// category whose group the server has dropped is shown as such. The choice is saved with the
// state.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QToolButton>

#include "TableView.h"
#include "ViewController.h"

class SkelvorAppDelegate;

class UpdateCategoriesController : public ViewController,
                                   public TableViewDataSource,
                                   public TableViewDelegate {
    Q_DECLARE_TR_FUNCTIONS(UpdateCategoriesController)
public:
    UpdateCategoriesController();

    TableView* tableView() const { return tableView_; }
    // What the screen says above the list.
    QLabel* note() const { return note_; }
    // Checks every category again.
    QToolButton* allButton() const { return allButton_; }
    const QStringList& categories() const { return categories_; }

    void viewWillAppear(bool animated) override;

    int numberOfRowsInSection(int section) override;
    TableViewCell cellForRow(IndexPath path) override;
    bool canEditRow(IndexPath) override { return false; }
    void didSelectRow(IndexPath path) override;
    EditingStyle editingStyleForRow(IndexPath) override { return EditingStyle::none; }
    bool canSelectRow(IndexPath, bool editing) override;

protected:
    void loadView() override;

private:
    void chooseAll();
    void showNote(bool refused);

    SkelvorAppDelegate* appDelegate_;
    QPointer<TableView> tableView_;
    QPointer<QLabel> note_;
    QPointer<QToolButton> allButton_;
    QStringList categories_;
};
