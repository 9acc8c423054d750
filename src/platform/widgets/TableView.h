// A table of rows in sections, for a screen that acts as its data source and delegate. Rows
// are laid out with the table's fonts and painted in its palette from the values the data
// source gives, fetched when first shown and kept until the table is reloaded. While the table
// is edited, rows show their editing control at the left (a deletion asks for confirmation by a
// "Delete" button) and movable rows a handle at the right whose halves move the row up or down.
//
// The keyboard does what the mouse does: the arrow keys move between rows, Return or Enter opens
// the current row (or, while editing, inserts at an insert row), Space presses the row's button,
// Delete asks to delete the row and a second Delete or Return confirms, Escape cancels that, and
// Alt with Up or Down moves the row while editing.
#pragma once

#include <QListView>
#include <memory>
#include <optional>

#include "CellLayout.h"
#include "TableRowLayout.h"
#include "TableViewInterfaces.h"

class TableModel;

enum class TableViewStyle { plain, grouped };

class TableView : public QListView {
public:
    explicit TableView(TableViewStyle style, QWidget* parent = nullptr);
    ~TableView() override;

    TableViewStyle style() const { return style_; }
    void setDataSource(TableViewDataSource* dataSource);
    void setDelegate(TableViewDelegate* delegate);
    TableViewDataSource* dataSource() const { return dataSource_; }
    TableViewDelegate* delegate() const { return delegate_; }

    // Asks the data source for everything again; the current row stays where it was.
    void reloadData();
    void reloadRowsAtIndexPaths(const QList<IndexPath>& paths);
    // Changes made between these two calls are shown together at the end.
    void beginUpdates();
    void endUpdates();
    void insertRowsAtIndexPaths(const QList<IndexPath>& paths);
    void deleteRowsAtIndexPaths(const QList<IndexPath>& paths);

    bool isEditing() const { return editing_; }
    void setEditing(bool editing, bool animated);

    std::optional<IndexPath> indexPathForSelectedRow() const;
    // Selects the row and makes it the keyboard's current row.
    void selectRow(IndexPath path);
    void deselectRow(IndexPath path, bool animated);
    // The row the keyboard stands on; none on a section heading or an empty table.
    std::optional<IndexPath> currentRow() const;

    // The row as it is shown, and where it lies in the viewport.
    TableViewCell cellForRow(IndexPath path) const;
    QRect rectForRow(IndexPath path) const;
    std::optional<IndexPath> pendingDeletion() const { return pendingDeletion_; }

    // How a row is laid out within a rectangle of the viewport: its regions, and its content
    // placed in viewport coordinates.
    RowState rowState(IndexPath path) const;
    RowRegions regionsForRow(IndexPath path, const QRectF& rect) const;
    CellGeometry geometryForRow(IndexPath path, const QRectF& rect) const;
    // The height of a section's heading band.
    double headerHeight() const;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void handlePress(IndexPath path, QPointF point, const QRect& rowRect);
    bool handleEditingPress(IndexPath path, QPointF point, const QRect& rowRect);
    // What Return does on a row: confirm its deletion, insert there, or open it.
    void activateRow(IndexPath path);
    // Starts a deletion, or confirms the one waiting on the row.
    void deleteRow(IndexPath path);
    void setPendingDeletion(std::optional<IndexPath> path);
    // Moves a row by a step within its section; gives where it went.
    std::optional<IndexPath> moveBy(IndexPath path, int step);
    void makeCurrent(IndexPath path);
    // The widest columns of all rows, which every row is laid out for.
    ColumnWidths columnWidths() const;
    void rowsChanged();

    TableViewStyle style_;
    TableModel* model_;
    TableViewDataSource* dataSource_ = nullptr;
    TableViewDelegate* delegate_ = nullptr;
    bool editing_ = false;
    int updateDepth_ = 0;
    std::optional<IndexPath> pendingDeletion_;
    mutable std::optional<ColumnWidths> columnWidths_;
};
