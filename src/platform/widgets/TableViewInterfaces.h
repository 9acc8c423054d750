// What a screen tells its table: the sections and rows to show and what the user may do with
// them (data source), and what happens when the user does it (delegate).
#pragma once

#include <QString>

#include "TableViewCell.h"

class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSections() { return 1; }
    virtual int numberOfRowsInSection(int section) = 0;
    virtual TableViewCell cellForRow(IndexPath path) = 0;
    virtual QString titleForHeaderInSection(int) { return {}; }
    // Rows are read-only unless the screen says otherwise.
    virtual bool canEditRow(IndexPath) { return false; }
    virtual void commitEditingStyle(EditingStyle, IndexPath) {}
    virtual bool canMoveRow(IndexPath) { return false; }
    virtual void moveRow(IndexPath, IndexPath) {}
};

class TableViewDelegate {
public:
    virtual ~TableViewDelegate() = default;
    virtual void didSelectRow(IndexPath) {}
    virtual EditingStyle editingStyleForRow(IndexPath) { return EditingStyle::none; }
    // Whether a row can be chosen; rows of an edited table are not unless this says so.
    virtual bool canSelectRow(IndexPath, bool editing) { return !editing; }
    // A press on the row's button.
    virtual void cellButtonTapped(IndexPath) {}
    // Where a row dragged from one place towards another may go.
    virtual IndexPath targetIndexPathForMove(IndexPath, IndexPath proposed) { return proposed; }
};
