// The two editors opened from the details screen: a frequency record's fields go straight into
// the record in the satellite's list, the comment is stored on "Save" and on leaving; each
// change is saved.
#include <QPlainTextEdit>
#include <QPushButton>

#include "CommentEditorController.h"
#include "FrequencyEditorController.h"
#include "TextField.h"
#include "details_fixture.h"

namespace {

FrequencyRecord record(const QString& uplink, const QString& downlink, const QString& comment) {
    return {uplink, downlink, comment, false};
}

}  // namespace

class EditorScreens : public DetailsScreen {
protected:
    FrequencyEditorController& openRecord(int row) {
        click({0, row});
        auto* editor = dynamic_cast<FrequencyEditorController*>(navigation->topViewController());
        EXPECT_NE(editor, nullptr);
        return *editor;
    }
};

TEST_F(EditorScreens, TheFrequencyEditorShowsAndChangesTheRecordInTheSatellitesList) {
    open(QStringLiteral("SAMPLE STATION"),
         QList<FrequencyRecord>{record("145.800", "437.800", "FM"),
                                record("145.990", "435.100 MHz", "SSB")});
    FrequencyEditorController& editor = openRecord(1);
    EXPECT_EQ(editor.title(), "Frequency Information");
    EXPECT_EQ(editor.uplinkValue()->text(), "145.990");
    EXPECT_EQ(editor.downlinkValue()->text(), "435.100 MHz");
    EXPECT_EQ(editor.commentValue()->text(), "SSB");
    EXPECT_EQ(editor.uplinkValue()->accessibleName(), "Uplink") << "named by its caption";
    shoot(QStringLiteral("frequency-editor"));

    QTest::keyClicks(editor.uplinkValue(), "5");
    EXPECT_EQ(satellite->frequencyInfo()->at(1).uplink, "145.9905");
    editor.commentValue()->selectAll();
    QTest::keyClick(editor.commentValue(), Qt::Key_Delete);
    EXPECT_EQ(satellite->frequencyInfo()->at(1).comment, std::nullopt);
    EXPECT_EQ(satellite->frequencyInfo()->at(0), record("145.800", "437.800", "FM"));
    EXPECT_EQ(savedRecords(), satellite->frequencyInfo());

    navigation->popViewControllerAnimated(true);
    settle();
    const TableViewCell cell = details->displayTable()->cellForRow({0, 1});
    EXPECT_EQ(cell.texts().at(1), "145.9905");
    EXPECT_FALSE(cell.texts().contains("SSB")) << "the emptied comment is gone";
}

TEST_F(EditorScreens, TypingIntoANewRecordFillsIt) {
    open(QStringLiteral("SAMPLE STATION"));
    details->setEditing(true, true);
    TableView& table = *details->displayTable();
    const QRect row = table.rectForRow({0, 0});
    // The entry row's insert control, at its left.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      QPoint(row.left() + 19, row.center().y()));
    auto* editor = dynamic_cast<FrequencyEditorController*>(navigation->topViewController());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor->downlinkValue(), "10489.550");
    EXPECT_EQ(*satellite->frequencyInfo(),
              QList<FrequencyRecord>({FrequencyRecord{{}, "10489.550", {}, false}}));
}

TEST_F(EditorScreens, TheCommentEditorStoresTheCommentOnSaveAndOnLeaving) {
    open(QStringLiteral("SAMPLE STATION"), {}, QStringLiteral("Old"));
    click({1, 0});
    auto* editor = dynamic_cast<CommentEditorController*>(navigation->topViewController());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->title(), "Comments");
    EXPECT_EQ(editor->commentField()->toPlainText(), "Old");

    editor->commentField()->selectAll();
    QTest::keyClicks(editor->commentField(), "Beacon on 2 m");
    shoot(QStringLiteral("comment-editor"));
    editor->saveButton()->click();
    EXPECT_EQ(satellite->comments(), "Beacon on 2 m");
    EXPECT_EQ(savedComment(), "Beacon on 2 m");

    QTest::keyClicks(editor->commentField(), ", strong");
    navigation->popViewControllerAnimated(true);
    EXPECT_EQ(satellite->comments(), "Beacon on 2 m, strong");
    EXPECT_EQ(savedComment(), "Beacon on 2 m, strong");
    EXPECT_EQ(details->displayTable()->cellForRow({1, 0}).texts().at(0), "Beacon on 2 m, strong");
}

TEST_F(EditorScreens, AnEmptiedCommentLeavesNone) {
    open(QStringLiteral("SAMPLE STATION"), {}, QStringLiteral("Old"));
    details->setEditing(true, true);
    details->commitEditingStyle(EditingStyle::insert, {1, 0});
    auto* editor = dynamic_cast<CommentEditorController*>(navigation->topViewController());
    ASSERT_NE(editor, nullptr);
    editor->commentField()->clear();
    navigation->popViewControllerAnimated(true);
    EXPECT_EQ(satellite->comments(), std::nullopt);
}
