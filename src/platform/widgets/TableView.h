// A table of rows in sections, for a screen that acts as its data source and delegate. Rows
// are painted from the values the data source gives, fetched when first shown and kept until
// the table is reloaded. While the table is edited, rows show their editing control at the left
// (a deletion asks for confirmation by a "Delete" button) and movable rows a handle at the
// right whose halves move the row up or down by one.
#pragma once

#include <QListView>
#include <memory>
#include <optional>

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
    void selectRow(IndexPath path);
    void deselectRow(IndexPath path, bool animated);

    // The row as it is shown, and where it lies in the viewport.
    TableViewCell cellForRow(IndexPath path) const;
    QRect rectForRow(IndexPath path) const;
    std::optional<IndexPath> pendingDeletion() const { return pendingDeletion_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void handlePress(IndexPath path, QPointF point, const QRect& rowRect);
    bool handleEditingPress(IndexPath path, QPointF point, const QRect& rowRect);
    void moveBy(IndexPath path, int step);

    TableViewStyle style_;
    TableModel* model_;
    TableViewDataSource* dataSource_ = nullptr;
    TableViewDelegate* delegate_ = nullptr;
    bool editing_ = false;
    int updateDepth_ = 0;
    std::optional<IndexPath> pendingDeletion_;
};
