// The single-line text field: which changes run its actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "TextField.h"

TEST(TextField, RunsTheChangeActionForTheUsersChangesOnlyAndCommitsOnceOnReturn) {
    TextField field;
    QStringList changes;
    QStringList commits;
    field.setChangeAction([&](const QString& text) { changes.append(text); });
    field.setCommitAction([&](const QString& text) { commits.append(text); });
    field.setText(QStringLiteral("14"));
    EXPECT_TRUE(changes.isEmpty());
    field.show();
    field.activateWindow();
    field.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.hasFocus(); }));
    QTest::keyClicks(&field, "5");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(changes, QStringList({"145"}));
    EXPECT_EQ(commits, QStringList({"145"}));
    EXPECT_FALSE(field.hasFocus());
}
