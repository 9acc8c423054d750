// The table asks its data source and delegate as a phone table does: rows painted from values,
// presses choosing rows or pressing a row's button, and while editing the delete control with
// its confirmation, the insert control and the move handles; the keyboard reaches all of it.
// Every test runs with the table's item model under Qt's model tester, which stops the program
// at the first change the model reports wrongly to its views.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTest>
#include <cmath>
#include <memory>

#include "CellLayout.h"
#include "SegmentedControl.h"
#include "TableRowLayout.h"
#include "TableView.h"

namespace {

struct Rows : TableViewDataSource, TableViewDelegate {
    int numberOfSections() override { return 2; }
    QString titleForHeaderInSection(int section) override {
        return section == 0 ? QStringLiteral("Records") : QString();
    }
    int numberOfRowsInSection(int section) override {
        return section == 0 ? static_cast<int>(names.size()) : 1;
    }
    TableViewCell cellForRow(IndexPath path) override {
        ++cellsMade;
        TableViewCell cell;
        if (path.section == 1) {
            cell.text = QStringLiteral("add");
            return cell;
        }
        CellItem button{QString(), QStringLiteral("x"), TextStyle::body, CellColour::text,
                        CellButton{}};
        cell.lines = {cellLine(names.at(path.row), TextStyle::title), {button}};
        return cell;
    }
    bool canEditRow(IndexPath) override { return true; }
    EditingStyle editingStyleForRow(IndexPath path) override {
        return path.section == 0 ? EditingStyle::remove : EditingStyle::insert;
    }
    bool canMoveRow(IndexPath path) override { return path.section == 0; }
    void moveRow(IndexPath from, IndexPath to) override { names.move(from.row, to.row); }
    void commitEditingStyle(EditingStyle style, IndexPath path) override {
        commits.push_back({style, path});
        if (style == EditingStyle::remove) names.removeAt(path.row);
    }
    void didSelectRow(IndexPath path) override { chosen.push_back(path); }
    void cellButtonTapped(IndexPath path) override { buttons.push_back(path); }

    QStringList names{"A", "B", "C"};
    std::vector<std::pair<EditingStyle, IndexPath>> commits;
    std::vector<IndexPath> chosen;
    std::vector<IndexPath> buttons;
    int cellsMade = 0;
};

class Table : public testing::Test {
protected:
    void SetUp() override {
        table.setDataSource(&rows);
        table.setDelegate(&rows);
        table.resize(320, 400);
        table.show();
        table.reloadData();
        tester = std::make_unique<QAbstractItemModelTester>(
            table.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }
    void press(IndexPath path, QPoint offset) {
        const QRect rect = table.rectForRow(path);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, rect.topLeft() + offset);
    }
    QPoint rightEdge(IndexPath path, int fromRight, int y) {
        return {table.rectForRow(path).width() - fromRight, y};
    }
    // The centre of the row's button, where the table placed it.
    QPoint buttonOf(IndexPath path) {
        for (const PlacedPiece& piece : table.geometryForRow(path, table.rectForRow(path)).pieces) {
            if (piece.button) return piece.rect.center().toPoint();
        }
        ADD_FAILURE() << "no button";
        return {};
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&table, key, modifiers);
    }

    // Makes the row the keyboard's current one, as the arrow keys would.
    void standOn(IndexPath path) {
        table.setFocus();
        table.setCurrentIndex(table.model()->index(listRow(path), 0));
    }

    int listRow(IndexPath path) {
        for (int row = 0; row < table.model()->rowCount(); ++row) {
            if (table.visualRect(table.model()->index(row, 0)) == table.rectForRow(path))
                return row;
        }
        return -1;
    }

    Rows rows;
    TableView table{TableViewStyle::grouped};
    std::unique_ptr<QAbstractItemModelTester> tester;
};

}  // namespace

TEST_F(Table, PressesChooseRowsOrPressTheirButton) {
    press({0, 1}, {200, 10});
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, buttonOf({0, 2}));
    ASSERT_EQ(rows.chosen.size(), 1u);
    EXPECT_EQ(rows.chosen[0], (IndexPath{0, 1}));
    EXPECT_EQ(table.indexPathForSelectedRow(), (IndexPath{0, 1}));
    ASSERT_EQ(rows.buttons.size(), 1u);
    EXPECT_EQ(rows.buttons[0], (IndexPath{0, 2}));
}

TEST_F(Table, RowsAreAskedForOnceUntilReloaded) {
    QApplication::processEvents();
    const int made = rows.cellsMade;
    table.viewport()->repaint();
    EXPECT_EQ(rows.cellsMade, made);
    table.reloadData();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rows.cellsMade > made; }));
}

TEST_F(Table, ADeletionWaitsForItsConfirmation) {
    table.setEditing(true, true);
    press({0, 0}, {15, 20});
    EXPECT_EQ(table.pendingDeletion(), (IndexPath{0, 0}));
    EXPECT_TRUE(rows.commits.empty());
    press({0, 1}, {200, 20});  // a press elsewhere cancels it
    EXPECT_FALSE(table.pendingDeletion());
    press({0, 0}, {15, 20});
    press({0, 0}, rightEdge({0, 0}, int(moveHandleWidth) + 30, 22));
    ASSERT_EQ(rows.commits.size(), 1u);
    EXPECT_EQ(rows.commits[0].first, EditingStyle::remove);
    EXPECT_EQ(rows.names, QStringList({"B", "C"}));
}

TEST_F(Table, RowsAreChosenOnlyOutsideEditing) {
    table.setEditing(true, true);
    press({0, 1}, {200, 20});
    EXPECT_TRUE(rows.chosen.empty());
}

TEST_F(Table, TheInsertControlCommitsAtOnce) {
    table.setEditing(true, true);
    press({1, 0}, {15, 20});
    ASSERT_EQ(rows.commits.size(), 1u);
    EXPECT_EQ(rows.commits[0], std::make_pair(EditingStyle::insert, IndexPath{1, 0}));
}

TEST_F(Table, TheMoveHandleMovesARowByOneWithinItsSection) {
    table.setEditing(true, true);
    press({0, 0}, rightEdge({0, 0}, 10, 30));  // lower half: down
    EXPECT_EQ(rows.names, QStringList({"B", "A", "C"}));
    press({0, 0}, rightEdge({0, 0}, 10, 10));  // upper half of the first row: nowhere to go
    press({0, 2}, rightEdge({0, 2}, 10, 30));  // lower half of the last row: nowhere to go
    EXPECT_EQ(rows.names, QStringList({"B", "A", "C"}));
}

TEST_F(Table, TheKeyboardOpensPressesDeletesAndMovesRows) {
    standOn({0, 1});
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_EQ(rows.chosen.size(), 1u);
    EXPECT_EQ(rows.chosen[0], (IndexPath{0, 2}));
    key(Qt::Key_Space);
    ASSERT_EQ(rows.buttons.size(), 1u);
    EXPECT_EQ(rows.buttons[0], (IndexPath{0, 2}));

    table.setEditing(true, true);
    key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(rows.names, QStringList({"A", "C", "B"}));
    EXPECT_EQ(table.currentRow(), (IndexPath{0, 1})) << "the keyboard goes with the row";
    key(Qt::Key_Delete);
    EXPECT_EQ(table.pendingDeletion(), (IndexPath{0, 1}));
    key(Qt::Key_Escape);
    EXPECT_FALSE(table.pendingDeletion());
    key(Qt::Key_Delete);
    key(Qt::Key_Return);
    EXPECT_EQ(rows.names, QStringList({"A", "B"}));
    EXPECT_TRUE(rows.chosen.size() == 1u) << "nothing opens while editing";
}

TEST_F(Table, ReturnOnAnInsertRowInserts) {
    table.setEditing(true, true);
    standOn({1, 0});
    key(Qt::Key_Return);
    ASSERT_EQ(rows.commits.size(), 1u);
    EXPECT_EQ(rows.commits[0], std::make_pair(EditingStyle::insert, IndexPath{1, 0}));
}

TEST_F(Table, TheArrowKeysPassOverHeadingsAndAReloadKeepsTheCurrentRow) {
    table.setFocus();
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    EXPECT_EQ(table.currentRow(), (IndexPath{0, 0})) << "the heading above is not a row";
    key(Qt::Key_Down);
    table.reloadData();
    EXPECT_EQ(table.currentRow(), (IndexPath{0, 1}));
}

TEST_F(Table, AssistiveTechnologyReadsRowsAsPhrasesAndHeadingsCannotBeChosen) {
    const QModelIndex heading = table.model()->index(0, 0);
    EXPECT_EQ(heading.data(Qt::AccessibleTextRole).toString(), "Records");
    EXPECT_EQ(table.model()->flags(heading), Qt::NoItemFlags);
    EXPECT_EQ(table.model()->index(1, 0).data(Qt::AccessibleTextRole).toString(), "A, x");
}

// Rows wrap to the table's width: a narrower table gives a long row more lines, and the row
// takes the height they need instead of keeping the one it had (its last line cut off).
TEST_F(Table, ANewWidthGivesRowsTheHeightTheirWrappedTextNeeds) {
    rows.names[0] = QStringLiteral("a name long enough to wrap once the table is narrow");
    table.reloadData();
    QTest::qWait(0);
    const int wide = table.rectForRow({0, 0}).height();
    table.resize(140, 400);
    const auto needed = [&] {
        const QRect rect = table.rectForRow({0, 0});
        return static_cast<int>(std::ceil(table.geometryForRow({0, 0}, rect).height));
    };
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return table.rectForRow({0, 0}).height() == needed();
    })) << table.rectForRow({0, 0}).height()
        << " for " << needed();
    EXPECT_GT(table.rectForRow({0, 0}).height(), wide);
}

TEST(RowLayout, EditingMakesRoomForTheControlAndTheHandle) {
    const QRectF row(0, 100, 320, 44);
    const RowState editedState{TableMode::editing, EditingStyle::remove, RowMove::movable,
                               RowDeletion::confirming, 80.0};
    RowState plainState = editedState;
    plainState.mode = TableMode::normal;
    plainState.deletion = RowDeletion::none;
    const RowRegions plain = rowRegions(row, plainState, 10.0);
    EXPECT_TRUE(plain.editingControl.isEmpty());
    EXPECT_TRUE(plain.moveUp.isEmpty());
    EXPECT_EQ(plain.content, QRectF(10, 100, 320 - 10 - accessoryWidth, 44));
    const RowRegions edited = rowRegions(row, editedState, 10.0);
    EXPECT_EQ(edited.content.left(), editingControlWidth + 10);
    EXPECT_EQ(edited.content.right(), edited.deleteConfirmation.left() + 0.0);
    EXPECT_EQ(edited.moveUp.bottom(), edited.moveDown.top());
    EXPECT_LE(edited.deleteConfirmation.right(), edited.moveUp.left());
    EXPECT_EQ(edited.deleteConfirmation.width(), 80.0 - 4);
    RowState none = editedState;
    none.style = EditingStyle::none;
    EXPECT_TRUE(rowRegions(row, none, 10.0).editingControl.isEmpty());
}

TEST(Segments, AMomentaryControlShowsItsSegmentOnlyDuringTheAction) {
    SegmentedControl control({QStringLiteral("Timeline"), QStringLiteral("Edit")});
    control.setMomentary(true);
    int seen = -2;
    control.setAction([&] { seen = control.selectedSegmentIndex(); });
    control.clickSegment(1);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(control.selectedSegmentIndex(), SegmentedControl::noSegment);
    control.setTitleForSegmentAtIndex(QStringLiteral("Done"), 1);
    EXPECT_EQ(control.titleForSegmentAtIndex(1), "Done");
}
