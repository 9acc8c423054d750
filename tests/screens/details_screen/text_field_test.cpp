// The single-line text field: which changes run its actions, and its font shrinking to fit.
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

TEST(TextField, ShrinksALongTextDownToTheMinimumSize) {
    TextField field;
    field.setFontSize(20);
    field.setMinimumFontSize(10);
    field.resize(120, 32);
    field.setText(QStringLiteral("1"));
    EXPECT_EQ(field.font().pixelSize(), 20);
    field.setText(QStringLiteral("145.800 MHz and more"));
    EXPECT_LT(field.font().pixelSize(), 20);
    EXPECT_GE(field.font().pixelSize(), 10);
    field.setText(QString(200, u'8'));
    EXPECT_EQ(field.font().pixelSize(), 10);
    field.setText(QStringLiteral("1"));
    EXPECT_EQ(field.font().pixelSize(), 20);
}
